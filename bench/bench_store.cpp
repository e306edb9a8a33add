// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "RunBenchmarks.h"
#include "core/common/RandomSource.h"
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/store/MatchStore.h"
#include "ui/match/MatchWindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiArea>
#include <QTemporaryDir>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// Plays a match to its end (or to `overs`), each over committed as the game does; returns its id.
qint64 playAndSave(MatchStore &store, Match &match, RandomSource &random, int overs,
                   std::vector<double> *commits = nullptr)
{
    MatchSetup setup;
    setup.sides = inBuiltSides();
    match.start(setup, random);
    const qint64 id = store.beginMatch(setup, MatchMode::HumanVHuman);
    QElapsedTimer clock;
    for (int over = 0; over < overs && !match.isOver(); ++over) {
        match.playOver(match.rollDie());
        clock.start();
        store.appendOver(id, match.log(), match.log().overs() - 1);
        if (commits)
            commits->push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return id;
}

// Every over's commit, over whole matches: the median and the slowest 1%.
const std::vector<double> &commitTimes()
{
    static const std::vector<double> times = [] {
        QTemporaryDir dir;
        MatchStore store(dir.filePath(QStringLiteral("stumpwell.sqlite")));
        store.open();
        TimeSeededRandom random;
        Match match;
        std::vector<double> commits;
        for (int i = 0; i < 10; ++i)
            playAndSave(store, match, random, 1000, &commits);
        return commits;
    }();
    return times;
}

void CommitOneOverMedian(benchmark::State &state)
{
    for (auto _ : state)
        setFigure(state, percentile(commitTimes(), 0.5), "ms");
    state.counters["goal_max"] = 2;
    state.counters["overs"] = double(commitTimes().size());
}
BENCHMARK(CommitOneOverMedian)->Iterations(1);

void CommitOneOverP99(benchmark::State &state)
{
    for (auto _ : state)
        setFigure(state, percentile(commitTimes(), 0.99), "ms");
    state.counters["goal_max"] = 10;
}
BENCHMARK(CommitOneOverP99)->Iterations(1);

// What resuming adds to a start-up: the store's match in progress read, replayed and shown,
// against opening a store that has none.
void ResumeLongestMatch(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString withMatch = dir.filePath(QStringLiteral("with/stumpwell.sqlite"));
    const QString empty = dir.filePath(QStringLiteral("empty/stumpwell.sqlite"));
    {
        MatchStore store(withMatch);
        store.open();
        TimeSeededRandom random;
        Match match;
        do { // the fifth day's last over: the longest log there is
            store.setStatus(playAndSave(store, match, random, 1000), MatchStore::Status::Finished);
        } while (!match.state().TimeUp);
        playAndSave(store, match, random, 449);
    }
    QMdiArea area;
    area.resize(1000, 700);
    area.show();
    std::vector<double> resume, plain;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        {
            MatchStore store(empty);
            store.open();
            benchmark::DoNotOptimize(store.lastInProgress());
        }
        plain.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.start();
        {
            MatchStore store(withMatch);
            store.open();
            MatchLog log;
            store.readLog(store.lastInProgress()->id, log);
            TimeSeededRandom random;
            Match match;
            match.replay(log, random);
            MatchWindows windows(&area, match);
            windows.open();
            QCoreApplication::processEvents();
            state.PauseTiming();
            windows.close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            state.ResumeTiming();
        }
        resume.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    setFigure(state, percentile(resume, 0.5), "ms");
    state.counters["reference"] = percentile(plain, 0.5);
    state.counters["goal_diff"] = 50;
}
BENCHMARK(ResumeLongestMatch)->Iterations(20)->Unit(benchmark::kMillisecond);

// The store's size over finished matches, after its journal is folded in.
void StoreSizePerMatch(benchmark::State &state)
{
    constexpr int Matches = 200;
    for (auto _ : state) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stumpwell.sqlite"));
        {
            MatchStore store(path);
            store.open();
            TimeSeededRandom random;
            Match match;
            for (int i = 0; i < Matches; ++i)
                store.setStatus(playAndSave(store, match, random, 1000),
                                MatchStore::Status::Finished, match.resultText());
        }
        setFigure(state, double(QFileInfo(path).size()) / 1024.0 / Matches, "KiB");
    }
    state.counters["goal_max"] = 16;
}
BENCHMARK(StoreSizePerMatch)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    return runWindowBenchmarks(argc, argv);
}
