// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "RunBenchmarks.h"
#include "core/common/RandomSource.h"
#include "core/competition/CompetitionStore.h"
#include "core/competition/FixturePlay.h"
#include "core/players/PlayerFile.h"
#include "core/session/MatchSession.h"
#include "core/store/SideStore.h"
#include "ui/competition/frmLeague.h"
#include "ui/competition/frmSeries.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int Sides = 8;

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A store in a folder of its own, beside a player file of eight elevens saved as sides: every
// match between them records its statistics, the most a fixture saves.
struct LeagueStore
{
    QTemporaryDir dir;
    MatchSession session;
    QList<CompetitionSide> sides;

    LeagueStore()
    {
        const PlayerFile file(dir.filePath(QStringLiteral("Basic.kdt")));
        file.CreateEmpty();
        session.setStorePath(dir.filePath(QStringLiteral("stumpwell.sqlite")));
        session.openStore();
        SideStore store(*session.store());
        for (int side = 0; side < Sides; ++side) {
            SavedSide saved{
                0, QStringLiteral("County %1").arg(side + 1), QStringLiteral("England"), 0, {}};
            for (std::size_t n = 0; n < 11; ++n) {
                PlayerRecord record;
                record.PlayerName = QStringLiteral("Player %1-%2").arg(side).arg(n);
                record.Country = QStringLiteral("England");
                record.BattingAverage = quint8(15 + 4 * (10 - n));
                saved.players[n] = {file.AppendRecord(record).value, record.PlayerName.trimmed()};
            }
            store.add(saved);
            sides.append({saved.id, saved.name, true});
        }
    }
    PlayerFile file() const { return PlayerFile(dir.filePath(QStringLiteral("Basic.kdt"))); }
    // Simulates every fixture; the milliseconds it took.
    double simulate(qint64 id)
    {
        QElapsedTimer clock;
        clock.start();
        simulateComputerFixtures(*session.store(), id, file(), session.random(), 0);
        return double(clock.nsecsElapsed()) / 1e6;
    }
};

// Eight sides, each pair twice: 56 tests played to their ends and saved with their
// statistics and records.
void LeagueOf56Simulated(benchmark::State &state)
{
    std::vector<double> times;
    for (auto _ : state) {
        LeagueStore store;
        const qint64 id = CompetitionStore(*store.session.store())
                              .createLeague(QStringLiteral("League"), store.sides, 2)
                              .id;
        times.push_back(store.simulate(id));
    }
    setFigure(state, median(times), "ms");
    state.counters["goal_max"] = 3000;
    state.counters["tests"] = Sides * (Sides - 1);
}
BENCHMARK(LeagueOf56Simulated)->Iterations(3)->Unit(benchmark::kMillisecond);

// The window of a competition of 56 tests played, from nothing to painted.
template <typename Window>
void competitionOpens(benchmark::State &state, bool league)
{
    LeagueStore store;
    CompetitionStore competitions(*store.session.store());
    // A series has at most CompetitionRules::MostTests tests.
    const qint64 id =
        league ? competitions.createLeague(QStringLiteral("League"), store.sides, 2).id
               : competitions
                     .createSeries(QStringLiteral("Series"), {store.sides[0], store.sides[1]},
                                   CompetitionRules::MostTests, MatchMode::CpuVCpu)
                     .id;
    store.simulate(id);
    std::vector<double> times;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        {
            Window window(store.session, id);
            window.show();
            QCoreApplication::processEvents();
            times.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        QCoreApplication::processEvents();
    }
    setFigure(state, median(times), "ms");
    state.counters["goal_max"] = 50;
}

void LeagueTableOpens(benchmark::State &state)
{
    competitionOpens<frmLeague>(state, true);
}
BENCHMARK(LeagueTableOpens)->Iterations(5)->Unit(benchmark::kMillisecond);

void SeriesScoreOpens(benchmark::State &state)
{
    competitionOpens<frmSeries>(state, false);
}
BENCHMARK(SeriesScoreOpens)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
