// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "RunBenchmarks.h"
#include "common/Fonts.h"
#include "engine/BallRules.h"
#include "engine/MatchWindows.h"
#include "engine/RulesMatch.h"
#include "engine/frmHighlights.h"
#include "engine/frmInnings1.h"
#include "engine/frmMatchSummary.h"
#include "engine/frmState.h"
#include "shell/InBuiltTeams.h"
#include "state/Globals.h"
#include "state/MatchState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QPushButton>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// Overs through the rules alone; a finished match is followed by a fresh one.
void BM_OversThroughRules(benchmark::State &bench)
{
    storeInBuiltTeams(Globals::matchState());
    RulesMatch match;
    match.start();
    for (auto _ : bench) {
        match.roll();
        if (match.resultOpen()) {
            bench.PauseTiming();
            match.start();
            bench.ResumeTiming();
        }
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_OversThroughRules);

// A whole match, from the first innings' setup to the result, through the rules alone.
void BM_WholeMatchThroughRules(benchmark::State &bench)
{
    storeInBuiltTeams(Globals::matchState());
    RulesMatch match;
    qint64 overs = 0;
    for (auto _ : bench) {
        match.start();
        while (!match.resultOpen()) {
            match.roll();
            ++overs;
        }
        benchmark::DoNotOptimize(match.summary().total1);
    }
    bench.counters["overs_per_match"] =
        benchmark::Counter(double(overs), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeMatchThroughRules)->Unit(benchmark::kMicrosecond);

void openMatchWindows()
{
    MatchState &state = Globals::matchState();
    storeInBuiltTeams(state);
    state.TimeUp = false;
    state.CurrentInnings = 1;
    frmInnings1 *first = MatchWindows::InningsWindows(1);
    first->show();
    first->move(0, 0);
    MatchWindows::state()->show();
    MatchWindows::summary()->show();
    MatchWindows::highlights()->show();
    state.ClockHour = 10;
    state.ClockMinute = 0;
    for (std::size_t i = 1; i <= 4; ++i) {
        state.Cards[i] = BattingCard();
        for (auto &pair : state.Cards[i].Pair)
            pair = QStringView();
    }
}

// One ROLL click until every caption of the over is written, through the real windows
// offscreen, over whole matches. Each click is timed alone so the median can be reported.
void BM_RollThroughWindows(benchmark::State &bench)
{
    QMdiArea area;
    area.resize(1000, 700);
    area.show();
    MatchWindows::setMdiArea(&area);
    openMatchWindows();
    std::vector<double> micros;
    micros.reserve(1 << 20);
    QElapsedTimer clock;
    for (auto _ : bench) {
        const int innings = Globals::matchState().CurrentInnings;
        auto *roll = MatchWindows::InningsWindows(innings)->findChild<QPushButton *>(
            QStringLiteral("cmdRoll"));
        clock.start();
        roll->click();
        const qint64 ns = clock.nsecsElapsed();
        bench.SetIterationTime(double(ns) * 1e-9);
        micros.push_back(double(ns) / 1000.0);
        // Between clicks the event loop runs as it does in play (repaints, deferred deletes);
        // left to pile up, the posted events would slow every later caption write.
        QCoreApplication::processEvents();
        if (MatchWindows::isResultOpen()) {
            MatchWindows::closeMatchWindows();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            openMatchWindows();
        }
    }
    MatchWindows::closeMatchWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MatchWindows::setMdiArea(nullptr);
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    return runBenchmarks(argc, argv);
}
