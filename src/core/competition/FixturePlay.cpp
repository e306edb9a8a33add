// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/FixturePlay.h"

#include "core/common/RandomSource.h"
#include "core/competition/CompetitionStore.h"
#include "core/match/Match.h"
#include "core/session/MatchSession.h"
#include "core/store/CareerStatistics.h"
#include "core/store/MatchStore.h"
#include "core/store/SideStore.h"
#include <QCoreApplication>

using namespace Qt::StringLiterals;

QString fixtureSetup(MatchStore &store, const Competition &competition, const Fixture &fixture,
                     const PlayerFile &file, MatchSetup &setup)
{
    SideStore sides(store);
    std::array<SavedSide, 2> saved;
    for (std::size_t n = 0; n < 2; ++n) {
        const CompetitionSide side = competition.sides.value(fixture.places[n]);
        const std::optional<SavedSide> found = sides.side(side.side);
        if (!found)
            return QCoreApplication::translate("FixturePlay",
                                               "The side \"%1\" is no longer in the match store.")
                .arg(side.name);
        saved[n] = *found;
    }
    MatchSetup built;
    if (QString problem = matchSides(saved[0], saved[1], file, built.sides); !problem.isEmpty())
        return problem;
    // As the competition began: a side renamed since keeps its name in the table and scores.
    for (std::size_t n = 0; n < 2; ++n)
        built.sides[n].team.Name = competition.sides.value(fixture.places[n]).name;
    built.source = teamSource(saved[0], saved[1]);
    setup = built;
    return {};
}

FixturePlayers fixturePlayers(const Competition &competition, const Fixture &fixture)
{
    FixturePlayers players;
    for (std::size_t side = 0; side < 2; ++side)
        players.computer[side] = competition.sides.value(fixture.places[side]).computer;
    if (players.computer[0] && players.computer[1]) {
        players.mode = MatchMode::CpuVCpu;
    } else if (players.computer[0] || players.computer[1]) {
        players.mode = MatchMode::HumanVCpu;
        players.chosenSide = players.computer[0] ? 1 : 0;
    }
    return players;
}

int firstPlace(const Fixture &fixture, const TossRecord &toss)
{
    return fixture.places[TossRules::exchanged(toss) ? 1 : 0];
}

void computerToss(MatchSetup &setup, RandomSource &random)
{
    TossRecord &toss = setup.toss;
    random.reseed();
    toss.call =
        random.draw(2) == TossRules::Heads ? TossRules::Call::Heads : TossRules::Call::Tails;
    toss.coin = TossRules::flipCoin(random);
    toss.choice = TossRules::Choice::Bat;
    TossRules::applyToss(setup.sides, toss);
}

QString startFixture(MatchSession &session, CompetitionStore &competitions,
                     const Competition &competition, const Fixture &fixture,
                     const MatchSetup &setup)
{
    const FixturePlayers players = fixturePlayers(competition, fixture);
    session.start(MatchStart::afterToss(setup, players.mode, players.chosenSide));
    // A match the store could not begin is the session's own fault to report.
    if (!session.storedId())
        return {};
    return competitions.link(competition.id, fixture.number, session.storedId(),
                             firstPlace(fixture, setup.toss));
}

QString simulateFixture(MatchStore &store, const Competition &competition, const Fixture &fixture,
                        MatchSetup setup, RandomSource &random)
{
    if (!store.saving())
        return store.problem();
    Match match;
    // A match begun before (and abandoned, or left when the program ended) goes on from its
    // last over; one that cannot be read is started again.
    qint64 id = fixture.played ? 0 : fixture.match;
    if (id && !store.replayMatch(id, match, random).isEmpty())
        id = 0;
    const int saved = id ? match.log().overs() : 0;
    if (!id) {
        computerToss(setup, random);
        match.start(setup, random);
    }
    while (!match.isOver())
        playEntry(match, {});
    // Begun and linked as a match on screen is; a failure after that leaves the fixture
    // begun, to go on from its last stored over.
    if (!id) {
        id = store.beginMatch(match.log().setup, MatchMode::CpuVCpu);
        if (!id)
            return store.problem();
        if (QString why = CompetitionStore(store).link(competition.id, fixture.number, id,
                                                       firstPlace(fixture, setup.toss));
            !why.isEmpty())
            return store.setStatus(id, MatchStore::Status::Abandoned) ? why : store.problem();
    }
    return CareerStatistics(store).finish(id, match, saved) ? QString() : store.problem();
}

bool simulationDue(const Competition &competition, const Fixture &fixture, qint64 onScreen)
{
    return !fixture.played && (!fixture.match || fixture.match != onScreen) &&
           fixturePlayers(competition, fixture).mode == MatchMode::CpuVCpu;
}

SimulationRun simulateComputerFixtures(MatchStore &store, qint64 competition,
                                       const PlayerFile &file, RandomSource &random,
                                       qint64 onScreen, const std::function<bool(int, int)> &goOn)
{
    SimulationRun run;
    const std::optional<Competition> read = CompetitionStore(store).competition(competition);
    if (!read)
        return {0, store.saving()
                       ? QCoreApplication::translate(
                             "FixturePlay", "The series or league is no longer in the match store.")
                       : store.problem()};
    QList<Fixture> due;
    for (const Fixture &fixture : read->fixtures) {
        if (simulationDue(*read, fixture, onScreen))
            due << fixture;
    }
    for (const Fixture &fixture : std::as_const(due)) {
        if (goOn && !goOn(run.played, int(due.size())))
            break;
        MatchSetup setup;
        run.problem = fixtureSetup(store, *read, fixture, file, setup);
        if (run.problem.isEmpty())
            run.problem = simulateFixture(store, *read, fixture, setup, random);
        if (!run.problem.isEmpty())
            break;
        ++run.played;
    }
    return run;
}
