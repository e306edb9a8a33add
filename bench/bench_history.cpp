// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "RunBenchmarks.h"
#include "core/common/RandomSource.h"
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/session/MatchReplay.h"
#include "core/session/MatchSession.h"
#include "core/store/MatchStore.h"
#include "ui/history/frmHistory.h"
#include "ui/history/frmRecords.h"
#include "ui/history/frmReplay.h"
#include "ui/history/frmStats.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QSlider>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <numeric>
#include <random>

namespace {

constexpr int Matches = 10000;
constexpr int FilePlayers = 300;

// Ten thousand finished matches between elevens picked from a file of 300 players, each played
// to its end and saved over by over as the game saves it. Made once, beside the benchmark, and
// kept for later runs: saving four million overs one by one takes a few minutes.
MatchStore &bigStore()
{
    static MatchSession *session = nullptr;
    if (!session) {
        session = new MatchSession;
        session->setStorePath(QCoreApplication::applicationDirPath() +
                              QStringLiteral("/history-bench.sqlite"));
        // Closed while the application still stands: the SQL driver is gone at exit.
        qAddPostRoutine([] { delete session; });
    }
    static const bool made = [] {
        session->openStore();
        if (session->store()->history().size() >= Matches)
            return true;
        static const QStringList teams{
            QStringLiteral("England"),      QStringLiteral("Australia"),
            QStringLiteral("India"),        QStringLiteral("Pakistan"),
            QStringLiteral("South Africa"), QStringLiteral("West Indies"),
            QStringLiteral("New Zealand"),  QStringLiteral("Sri Lanka")};
        std::mt19937 pick(20261207u);
        std::vector<int> records(FilePlayers);
        std::iota(records.begin(), records.end(), 2);
        for (int i = 0; i < Matches; ++i) {
            MatchSetup setup;
            setup.sides = inBuiltSides();
            setup.source = TeamSource::PlayerFile;
            std::shuffle(records.begin(), records.end(), pick);
            for (std::size_t side = 0; side < 2; ++side) {
                setup.sides[side].team.Name = teams[qsizetype(pick() % teams.size())];
                for (std::size_t n = 1; n <= 11; ++n) {
                    const int record = records[side * 11 + n - 1];
                    const QString name = QStringLiteral("Player %1").arg(record);
                    setup.sides[side].team.Players[n] = name;
                    setup.sides[side].origins[n] = {record, name};
                }
            }
            session->start(setup, MatchMode::HumanVHuman);
            Match &match = session->match();
            while (!match.isOver())
                match.playOver(match.rollDie());
            session->acceptResult();
        }
        return session->store()->saving();
    }();
    Q_UNUSED(made);
    return *session->store();
}

void HistoryOpens(benchmark::State &state)
{
    MatchStore &store = bigStore();
    std::vector<double> times;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        frmHistory history(store, 0);
        history.show();
        QCoreApplication::processEvents();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    setFigure(state, times[times.size() / 2], "ms");
    state.counters["goal_max"] = 300;
    state.counters["matches"] = Matches;
}
BENCHMARK(HistoryOpens)->Iterations(5)->Unit(benchmark::kMillisecond);

void HistoryFilterAnswers(benchmark::State &state)
{
    frmHistory history(bigStore(), 0);
    history.show();
    QCoreApplication::processEvents();
    auto *filter = history.findChild<QLineEdit *>(QStringLiteral("txtFilter"));
    std::vector<double> times;
    int round = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        filter->setText(QStringLiteral("player %1").arg(100 + round++));
        QCoreApplication::processEvents();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        filter->clear();
        QCoreApplication::processEvents();
    }
    std::sort(times.begin(), times.end());
    setFigure(state, times[times.size() / 2], "ms");
    state.counters["goal_max"] = 100;
}
BENCHMARK(HistoryFilterAnswers)->Iterations(5)->Unit(benchmark::kMillisecond);

void StatisticsOpen(benchmark::State &state)
{
    MatchStore &store = bigStore();
    std::vector<double> times;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        frmStats stats(store);
        stats.show();
        QCoreApplication::processEvents();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    setFigure(state, times[times.size() / 2], "ms");
    state.counters["goal_max"] = 500;
}
BENCHMARK(StatisticsOpen)->Iterations(5)->Unit(benchmark::kMillisecond);

void RecordsOpen(benchmark::State &state)
{
    MatchStore &store = bigStore();
    std::vector<double> times;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        frmRecords records(store);
        records.show();
        QCoreApplication::processEvents();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    setFigure(state, times[times.size() / 2], "ms");
    state.counters["goal_max"] = 500;
}
BENCHMARK(RecordsOpen)->Iterations(5)->Unit(benchmark::kMillisecond);

// Moves of the replay's slider between random overs of the longest match in the store, each
// timed until the windows have painted it; sorted.
const std::vector<double> &sliderMoves()
{
    static const std::vector<double> times = [] {
        MatchStore &store = bigStore();
        QSqlQuery longest(store.database());
        longest.exec(QStringLiteral("SELECT match FROM overs GROUP BY match ORDER BY count(*) "
                                    "DESC LIMIT 1"));
        longest.next();
        auto replay = std::make_unique<MatchReplay>();
        replay->load(store, longest.value(0).toLongLong());
        const int overs = replay->overs();
        frmReplay window(std::move(replay), QSize(900, 600));
        window.show();
        QCoreApplication::processEvents();
        auto *slider = window.findChild<QSlider *>(QStringLiteral("sldOver"));
        std::mt19937 pick(20261207u);
        std::vector<double> moves;
        for (int move = 0; move < 1000; ++move) {
            slider->setValue(int(pick() % std::uint32_t(overs + 1)));
            QCoreApplication::processEvents();
            const int to = int(pick() % std::uint32_t(overs + 1));
            QElapsedTimer clock;
            clock.start();
            slider->setValue(to);
            QCoreApplication::processEvents();
            moves.push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        std::sort(moves.begin(), moves.end());
        return moves;
    }();
    return times;
}

void ReplaySliderMedian(benchmark::State &state)
{
    for (auto _ : state)
        setFigure(state, sliderMoves()[sliderMoves().size() / 2], "ms");
    state.counters["goal_max"] = 2;
}
BENCHMARK(ReplaySliderMedian)->Iterations(1);

void ReplaySliderP99(benchmark::State &state)
{
    for (auto _ : state)
        setFigure(state, sliderMoves()[sliderMoves().size() * 99 / 100], "ms");
    state.counters["goal_max"] = 16;
}
BENCHMARK(ReplaySliderP99)->Iterations(1);

// The file and its journal, as the store leaves them after ten thousand matches.
void StoreSizeWithHistory(benchmark::State &state)
{
    MatchStore &store = bigStore();
    for (auto _ : state) {
        const QString path = store.path();
        const double bytes =
            double(QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size());
        setFigure(state, bytes / 1024.0 / 1024.0, "MiB");
    }
    state.counters["goal_max"] = 160;
}
BENCHMARK(StoreSizeWithHistory)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
