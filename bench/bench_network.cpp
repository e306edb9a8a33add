// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "RunBenchmarks.h"
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/net/NetMatch.h"
#include "core/session/MatchSession.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString Code = u"BENCH234"_s;

// One computer of a loopback match: its session, its store, its link.
struct Computer
{
    explicit Computer(const QString &store)
    {
        session.setStorePath(store);
        session.openStore();
    }
    MatchSession session;
    NetMatch net{session};
};

// Runs the event loop until `done` holds, or ten seconds; looked at again after each over
// logged by `match`, if given, so the wait ends with the over.
template <typename Done>
bool runUntil(Done done, const Match *match = nullptr)
{
    QEventLoop loop;
    QTimer check;
    const auto look = [&] {
        if (done())
            loop.quit();
    };
    QObject::connect(&check, &QTimer::timeout, &loop, look);
    if (match)
        QObject::connect(match, &Match::overLogged, &loop, look, Qt::QueuedConnection);
    check.start(1);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// Host and joiner through the toss: the joiner calls, whoever wins bats.
bool linkAndToss(Computer &host, Computer &joiner)
{
    for (Computer *computer : {&host, &joiner})
        QObject::connect(&computer->net, &NetMatch::tossChanged, &computer->net, [computer] {
            if (computer->net.coin() && computer->net.tossWinner() == computer->net.localSide())
                computer->net.choose(TossRules::Choice::Bat);
        });
    QObject::connect(&joiner.net, &NetMatch::linked, &joiner.net,
                     [&joiner] { joiner.net.call(TossRules::Call::Heads); });
    host.net.host({inBuiltSides(), {}, TeamSource::InBuilt}, 0, Code);
    joiner.net.join(u"127.0.0.1"_s, host.net.port(), Code);
    return runUntil([&] {
        return host.net.phase() == NetMatch::Phase::Playing &&
               joiner.net.phase() == NetMatch::Phase::Playing;
    });
}

// Every over of whole matches: ROLL on the computer batting to the over in the other's log.
const std::vector<double> &roundTrips()
{
    static const std::vector<double> times = [] {
        std::vector<double> trips;
        for (int match = 0; match < 3; ++match) {
            QTemporaryDir dir;
            Computer host(dir.filePath(u"host.sqlite"_s)), joiner(dir.filePath(u"join.sqlite"_s));
            if (!linkAndToss(host, joiner))
                return trips;
            QElapsedTimer clock;
            while (!host.session.match().isOver()) {
                Computer &roller = host.net.ourTurn() ? host : joiner;
                Computer &other = &roller == &host ? joiner : host;
                const int overs = other.session.match().log().overs();
                clock.start();
                roller.net.roll();
                if (!runUntil([&] { return other.session.match().log().overs() > overs; },
                              &other.session.match()))
                    return trips;
                trips.push_back(double(clock.nsecsElapsed()) / 1e6);
                runUntil([&] {
                    return host.net.ourTurn() || joiner.net.ourTurn() ||
                           host.session.match().isOver();
                });
            }
        }
        return trips;
    }();
    return times;
}

void OverRoundTripMedian(benchmark::State &state)
{
    for (auto _ : state)
        setFigure(state, percentile(roundTrips(), 0.5), "ms");
    state.counters["goal_max"] = 5;
    state.counters["overs"] = double(roundTrips().size());
}
BENCHMARK(OverRoundTripMedian)->Iterations(1);

void OverRoundTripP99(benchmark::State &state)
{
    for (auto _ : state)
        setFigure(state, percentile(roundTrips(), 0.99), "ms");
    state.counters["goal_max"] = 20;
}
BENCHMARK(OverRoundTripP99)->Iterations(1);

// A joiner gone without a word (its program killed) and started again: from taking up the
// stored match to both computers playing on.
void ReconnectAfterKill(benchmark::State &state)
{
    std::vector<double> times;
    for (auto _ : state) {
        QTemporaryDir dir;
        const QString joinerStore = dir.filePath(u"join.sqlite"_s);
        Computer host(dir.filePath(u"host.sqlite"_s));
        auto joiner = std::make_unique<Computer>(joinerStore);
        if (!linkAndToss(host, *joiner))
            return state.SkipWithError("no link");
        joiner.reset(); // its sockets close as a killed program's do
        runUntil([&] { return host.net.phase() == NetMatch::Phase::Waiting; });
        joiner = std::make_unique<Computer>(joinerStore);
        QElapsedTimer clock;
        clock.start();
        joiner->session.resume(*joiner->session.lastInProgress());
        joiner->net.reconnect();
        if (!runUntil([&] {
                return host.net.phase() == NetMatch::Phase::Playing &&
                       joiner->net.phase() == NetMatch::Phase::Playing;
            }))
            return state.SkipWithError("no reconnect");
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    setFigure(state, percentile(times, 0.5), "ms");
    state.counters["goal_max"] = 1000;
}
BENCHMARK(ReconnectAfterKill)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
