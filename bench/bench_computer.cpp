// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "RunBenchmarks.h"
#include "core/match/Match.h"
#include "core/session/MatchSession.h"
#include "ui/common/Fonts.h"
#include "ui/match/MatchWindows.h"
#include "ui/shell/mdiMain.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

struct Played
{
    double matchMs = 0;      // from the toss closing to the result window
    double longestGapMs = 0; // between two turns of the event loop meanwhile
    int overs = 0;
};

// One CPU v CPU match at Instant from the menu, through the real windows offscreen and saved
// over by over, as a player would watch it.
Played playOne(const QString &storePath)
{
    mdiMain frame;
    frame.session().setStorePath(storePath);
    frame.show();
    frame.openMatchStore();
    frame.findChild<QAction *>(QStringLiteral("mnuSpeedInstant"))->trigger();

    QTimer teamMode;
    QObject::connect(&teamMode, &QTimer::timeout, [&teamMode] {
        if (QWidget *modal = QApplication::activeModalWidget();
            modal && modal->objectName() == QStringLiteral("frmTeamMode")) {
            modal->findChild<QPushButton *>(QStringLiteral("cmdInBuilt"))->click();
            teamMode.stop();
        }
    });
    teamMode.start(5);
    // Returns once the toss has closed and the windows are open; the computer then plays.
    frame.findChild<QAction *>(QStringLiteral("mnuHuman0"))->trigger();

    Played played;
    QEventLoop loop;
    QElapsedTimer match, turn;
    QTimer probe; // 1 ms: at most one turn of the loop late
    QObject::connect(&probe, &QTimer::timeout, [&] {
        played.longestGapMs = std::max(played.longestGapMs, double(turn.nsecsElapsed()) / 1e6);
        turn.start();
        if (frame.matchWindows().isResultOpen())
            loop.quit();
    });
    match.start();
    turn.start();
    probe.setTimerType(Qt::PreciseTimer);
    probe.start(1);
    loop.exec();
    played.matchMs = double(match.nsecsElapsed()) / 1e6;
    played.overs = frame.session().match().log().overs();
    return played;
}

// Several matches, so a long drawn one is among them; each figure is the worst seen.
const std::vector<Played> &matches()
{
    static const std::vector<Played> played = [] {
        QTemporaryDir dir;
        std::vector<Played> all;
        for (int i = 0; i < 5; ++i)
            all.push_back(playOne(dir.filePath(QStringLiteral("stumpwell-%1.sqlite").arg(i))));
        return all;
    }();
    return played;
}

template <typename Field>
double worst(Field field)
{
    double most = 0;
    for (const Played &p : matches())
        most = std::max(most, p.*field);
    return most;
}

void CpuMatchAtInstant(benchmark::State &state)
{
    for (auto _ : state) {
        state.counters["value"] = worst(&Played::matchMs);
        state.SetLabel("ms");
    }
    state.counters["goal_max"] = 1000;
    int overs = 0;
    for (const Played &p : matches())
        overs = std::max(overs, p.overs);
    state.counters["overs"] = overs;
}
BENCHMARK(CpuMatchAtInstant)->Iterations(1);

void CpuMatchLongestLoopGap(benchmark::State &state)
{
    for (auto _ : state) {
        state.counters["value"] = worst(&Played::longestGapMs);
        state.SetLabel("ms");
    }
    state.counters["goal_max"] = 50;
}
BENCHMARK(CpuMatchLongestLoopGap)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    // Settings and saved matches of its own, never the player's.
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    return runBenchmarks(argc, argv);
}
