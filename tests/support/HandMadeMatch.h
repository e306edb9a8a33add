// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/store/CareerStatistics.h"
#include "core/store/MatchStore.h"

#include "ScriptedRandom.h"

#include <QTest>

// A match of 58 overs with figures known by hand. Innings 1: batsman 1 hits 17 sixes and is
// caught for 102, 3 to 11 bowled for ducks; 2: 1 stumped for 0, the rest bowled; 3: 1 hits a
// six and is bowled for 6, the rest bowled; 4: 1 caught behind for 0, the rest caught and
// bowled. Number 2 is never out; each dismissal takes six balls. From the player file, the
// sides' records are 2..12 and 40..50; both number ones are "John Smith".
inline MatchSetup handMadeSetup(TeamSource source)
{
    MatchSetup setup;
    setup.sides = inBuiltSides();
    setup.source = source;
    for (std::size_t side = 0; source != TeamSource::InBuilt && side < 2; ++side) {
        for (std::size_t n = 1; n <= 11; ++n) {
            const int record = (side == 0 ? 1 : 39) + int(n);
            const QString name = QStringLiteral("Player %1").arg(record);
            setup.sides[side].origins[n] = {record, n == 1 ? QStringLiteral("John Smith") : name};
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
    QObject saving;
    QObject::connect(&match, &Match::overLogged, &saving,
                     [&](int index) { store.appendOver(id, match.log(), index); });
    const auto innings = [&](int sixes, int firstKind, int restKind) {
        for (int six = 0; six < sixes; ++six)
            match.playOver(6);
        for (int wicket = 1; wicket <= 10; ++wicket) {
            random.push({1, wicket == 1 ? firstKind : restKind, 6}); // out on a five
            match.playOver(5);
        }
    };
    innings(17, 1, 5);
    innings(0, 9, 5);
    innings(1, 5, 5);
    innings(0, 10, 8);
    CareerStatistics(store).finish(id, match);
    return id;
}
