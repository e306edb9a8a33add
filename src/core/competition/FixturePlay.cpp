// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/FixturePlay.h"

#include "core/common/RandomSource.h"
#include "core/competition/CompetitionStore.h"
#include "core/match/Match.h"
#include "core/session/MatchSession.h"
#include "core/store/CareerStatistics.h"
#include "core/store/MatchStore.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>

using namespace Qt::StringLiterals;

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
    const bool swapped =
        TossRules::exchangeNeeded(TossRules::callerWon(toss.call, toss.coin), toss.choice);
    return fixture.places[swapped ? 1 : 0];
}

TossRecord computerToss(RandomSource &random)
{
    TossRecord toss;
    random.reseed();
    toss.call =
        random.draw(2) == TossRules::Heads ? TossRules::Call::Heads : TossRules::Call::Tails;
    toss.coin = TossRules::flipCoin(random);
    toss.choice = TossRules::Choice::Bat;
    return toss;
}

void startFixture(MatchSession &session, CompetitionStore &competitions,
                  const Competition &competition, const Fixture &fixture, const MatchSetup &setup)
{
    const FixturePlayers players = fixturePlayers(competition, fixture);
    session.start(setup, players.mode, players.chosenSide);
    if (session.storedId())
        competitions.link(competition.id, fixture.number, session.storedId(),
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
        setup.toss = computerToss(random);
        TossRules::applyChoice(setup.sides, TossRules::callerWon(setup.toss.call, setup.toss.coin),
                               setup.toss.choice);
        match.start(setup, random);
    }
    while (!match.isOver())
        match.playOver(match.rollDie());
    QSqlDatabase db = store.database();
    db.transaction();
    if (!id) {
        id = store.beginMatch(match.log().setup, modeText(MatchMode::CpuVCpu));
        if (id && !CompetitionStore(store).link(competition.id, fixture.number, id,
                                                firstPlace(fixture, setup.toss))) {
            db.rollback();
            return u"the fixture is no longer in the store"_s;
        }
    }
    // A failure has stopped the store, and closing it rolled the match back.
    if (!id || !store.appendOvers(id, match.log(), saved) ||
        !CareerStatistics(store).record(id, match))
        return store.problem();
    if (db.commit())
        return {};
    const QString why = db.lastError().text();
    db.rollback();
    store.fail(u"The match store %1 could not save the match: %2."_s.arg(
        QDir::toNativeSeparators(store.path()), why));
    return store.problem();
}
