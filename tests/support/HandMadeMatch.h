// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/session/MatchSession.h"
#include "core/store/MatchStore.h"

#include "ScriptedRandom.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

using namespace Qt::StringLiterals;

// A run of the program on the store at `path`, drawing from `random` (the clock when null);
// ends the test run when the store cannot be opened.
inline std::unique_ptr<MatchSession> sessionOn(const QString &path, RandomSource *random = nullptr)
{
    auto session = std::make_unique<MatchSession>();
    session->setStorePath(path);
    session->setRandomSource(random);
    if (!session->openStore())
        qFatal("the store %s did not open", qPrintable(path));
    return session;
}

// Runs SQL on a store as another program would.
inline void runSql(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(u"other"_s);
}

// Another connection holds the store's write lock while this lives, as a second program would.
struct WriteLock
{
    explicit WriteLock(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"lock"_s);
        db.setDatabaseName(path);
        if (!db.open() || !QSqlQuery(db).exec(u"BEGIN IMMEDIATE"_s))
            qFatal("the store %s could not be locked", qPrintable(path));
    }
    ~WriteLock() { QSqlDatabase::removeDatabase(u"lock"_s); }
};

// Wickets for any average: each out on a five, caught, after six balls.
inline void takeWickets(Match &match, ScriptedRandom &die, int wickets = 1)
{
    for (int w = 0; w < wickets; ++w) {
        die.push({1, 1, 6});
        match.playOver(5);
    }
}

// Plays `setup` as the game does: started in `session`, saved over by over, its result
// accepted. Each over is a face, or -k a wicket of kind k (out on a five after six balls);
// twos follow until the match is over. Its id in the store.
inline qint64 playScripted(MatchSession &session, const MatchSetup &setup, const QList<int> &overs)
{
    ScriptedRandom random;
    session.setRandomSource(&random);
    session.start(setup, MatchMode::HumanVHuman);
    const qint64 id = session.storedId();
    Match &match = session.match();
    for (const int over : overs) {
        if (over < 0)
            random.push({1, -over, 6});
        if (over == 1 || over == 3)
            random.push(1); // how the balls split between the ends
        match.playOver(over < 0 ? 5 : over);
    }
    while (!match.isOver())
        match.playOver(2);
    session.acceptResult();
    session.setRandomSource(nullptr);
    return id;
}

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
            const QString name = u"Player %1"_s.arg(record);
            setup.sides[side].origins[n] = {record, n == 1 ? u"John Smith"_s : name};
        }
    }
    return setup;
}

// Plays the hand-made match with playScripted. Its id in the store.
inline qint64 playHandMadeMatch(MatchSession &session, const MatchSetup &setup)
{
    QList<int> overs;
    for (const auto &[sixes, first, rest] :
         {std::tuple{17, 1, 5}, std::tuple{0, 9, 5}, std::tuple{1, 5, 5}, std::tuple{0, 10, 8}})
        overs << QList<int>(sixes, 6) << -first << QList<int>(9, -rest);
    return playScripted(session, setup, overs);
}
