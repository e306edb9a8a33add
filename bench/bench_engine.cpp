// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "RunBenchmarks.h"
#include "core/common/RandomSource.h"
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmInnings1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QPushButton>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

MatchSetup inBuiltSetup()
{
    MatchSetup setup;
    setup.sides = inBuiltSides();
    return setup;
}

void playToTheEnd(Match &match)
{
    while (!match.isOver())
        match.playOver(match.rollDie());
}

// Overs through the rules alone; a finished match is followed by a fresh one.
void BM_OversThroughRules(benchmark::State &bench)
{
    TimeSeededRandom random;
    Match match;
    match.start(inBuiltSetup(), random);
    for (auto _ : bench) {
        match.playOver(match.rollDie());
        if (match.isOver()) {
            bench.PauseTiming();
            match.start(inBuiltSetup(), random);
            bench.ResumeTiming();
        }
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_OversThroughRules);

// A whole match, from the first innings' setup to the result, through the rules alone.
void BM_WholeMatchThroughRules(benchmark::State &bench)
{
    TimeSeededRandom random;
    Match match;
    qint64 overs = 0;
    for (auto _ : bench) {
        match.start(inBuiltSetup(), random);
        playToTheEnd(match);
        overs += match.log().overs();
        benchmark::DoNotOptimize(match.summary().total1);
    }
    bench.counters["overs_per_match"] =
        benchmark::Counter(double(overs), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeMatchThroughRules)->Unit(benchmark::kMicrosecond);

// A match played to the end of the fifth day, replayed from its log as a restart would.
void BM_ReplayLongestLog(benchmark::State &bench)
{
    TimeSeededRandom random;
    Match played;
    do {
        played.start(inBuiltSetup(), random);
        playToTheEnd(played);
    } while (!played.state().TimeUp);
    Match replayed;
    for (auto _ : bench) {
        const QString error = replayed.replay(played.log(), random);
        benchmark::DoNotOptimize(error);
    }
    bench.counters["overs"] = double(played.log().overs());
}
BENCHMARK(BM_ReplayLongestLog)->Unit(benchmark::kMicrosecond);

// One ROLL click until every caption of the over is written, through the real windows
// offscreen, over whole matches. Each click is timed alone so the median can be reported.
void BM_RollThroughWindows(benchmark::State &bench)
{
    QMdiArea area;
    area.resize(1000, 700);
    area.show();
    TimeSeededRandom random;
    Match match;
    MatchWindows windows(&area, match);
    match.start(inBuiltSetup(), random);
    windows.open();
    std::vector<double> micros;
    micros.reserve(1 << 20);
    QElapsedTimer clock;
    for (auto _ : bench) {
        auto *roll = windows.innings(match.currentInnings())
                         ->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
        clock.start();
        roll->click();
        const qint64 ns = clock.nsecsElapsed();
        bench.SetIterationTime(double(ns) * 1e-9);
        micros.push_back(double(ns) / 1000.0);
        // Between clicks the event loop runs as it does in play (repaints, deferred deletes);
        // left to pile up, the posted events would slow every later caption write.
        QCoreApplication::processEvents();
        if (match.isOver()) {
            windows.close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            match.start(inBuiltSetup(), random);
            windows.open();
        }
    }
    windows.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!micros.empty()) {
        std::sort(micros.begin(), micros.end());
        bench.counters["median_us"] = micros[micros.size() / 2];
        bench.counters["p90_us"] = micros[micros.size() * 9 / 10];
        bench.counters["max_us"] = micros.back();
    }
}
BENCHMARK(BM_RollThroughWindows)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
