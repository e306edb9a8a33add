// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/store/MatchStore.h"

#include "ScriptedRandom.h"

#include <QTest>

// A whole match with figures known by hand, all in 58 overs:
// innings 1: batsman 1 hits 17 sixes and is caught for 102; 3 to 11 are bowled for ducks;
// innings 2: batsman 1 stumped for 0, the rest bowled; innings 3: batsman 1 hits a six and is
// bowled for 6, the rest bowled; innings 4: batsman 1 caught behind for 0, the rest caught and
// bowled. Batsman 2 of each side is never out. Each dismissal takes six balls.
// From the player file, side one's records are 2..12 and side two's 40..50; both number ones
// are called "John Smith".
inline MatchSetup handMadeSetup(TeamSource source)
{
    MatchSetup setup;
    setup.sides = inBuiltSides();
    setup.source = source;
    if (source == TeamSource::InBuilt)
        return setup;
    for (std::size_t side = 0; side < 2; ++side) {
        for (std::size_t n = 1; n <= 11; ++n) {
            const int record = (side == 0 ? 1 : 39) + int(n);
            setup.sides[side].origins[n] = {record, n == 1
                                                        ? QStringLiteral("John Smith")
                                                        : QStringLiteral("Player %1").arg(record)};
        }
    }
    return setup;
}

// Plays the hand-made match into `match`, saving it in `store` as the game does; its id.
inline qint64 playHandMadeMatch(MatchStore &store, Match &match, const MatchSetup &setup)
{
    ScriptedRandom random;
    match.start(setup, random);
    const qint64 id = store.beginMatch(setup, QStringLiteral("Human v Human"));
    QObject::connect(&match, &Match::overLogged, &match,
                     [&](int index) { store.appendOver(id, match.log(), index); });
    const auto out = [&](int kind) {
        random.push({1, kind, 6});
        match.playOver(5);
    };
    const auto innings = [&](int sixes, int firstKind, int restKind) {
        for (int six = 0; six < sixes; ++six)
            match.playOver(6);
        out(firstKind);
        for (int wicket = 2; wicket <= 10; ++wicket)
            out(restKind);
    };
    innings(17, 1, 5);
    innings(0, 9, 5);
    innings(1, 5, 5);
    innings(0, 10, 8);
    QObject::disconnect(&match, &Match::overLogged, &match, nullptr);
    store.finishMatch(id, match);
    return id;
}
