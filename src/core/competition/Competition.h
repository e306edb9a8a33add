// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/LeagueTable.h"
#include "core/match/MatchMode.h"
#include "core/store/MatchStore.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

enum class CompetitionKind
{
    Series,
    League
};

// A side as a competition keeps it: the saved side (-1 and -2 the in-built Australia and
// England), the name it had when the competition began, and whether the computer plays it.
struct CompetitionSide
{
    qint64 side = 0;
    QString name;
    bool computer = false;
};

// A test of a series or a match of a league: its places (the first tosses) and, once started,
// its stored match and how far that got.
struct Fixture
{
    int number = 0; // from 1, in playing order
    int round = 0;
    std::array<int, 2> places{};
    qint64 match = 0;    // 0 until started, and again when its match is deleted
    int firstPlace = -1; // the place that batted first
    MatchStore::Status status = MatchStore::Status::InProgress;
    MatchResult result;
    std::array<QString, 2> teams; // as the stored match names them, the first batting first
    QDateTime started;
    int overs = 0;                     // in its log, while not finished
    std::optional<PlayedMatch> played; // once finished

    // "Not played", or the stored match's result in a few words.
    QString shortResult() const;
};

struct Competition
{
    qint64 id = 0;
    CompetitionKind kind = CompetitionKind::Series;
    QString name;
    QDateTime created;
    QList<CompetitionSide> sides; // by place; who plays each is kept with it
    QList<Fixture> fixtures;      // in playing order

    QStringList names() const;
    QList<PlayedMatch> played() const;
    qsizetype playedCount() const;
    bool finished() const { return playedCount() == fixtures.size(); }
    // Index in fixtures of the first not finished, or -1 when all are.
    int nextFixture() const;
    // "Not started", "In progress" or "Finished".
    QString statusText() const;
    // The series' score, or the side on top of the league once a match is played.
    QString score() const;
    QString leader() const;
    // "Series" or "League"; "England v Australia", or every side's name.
    QString kindText() const;
    QString sidesText() const;
    QList<TableLine> table() const { return leagueTable(names(), played()); }
};

// What a new series or league must be, and why one cannot start, in the player's words.
namespace CompetitionRules {
constexpr int LongestName = 60;
constexpr int FewestTests = 1;
constexpr int MostTests = 7;
constexpr int FewestSides = 3; // of a league
constexpr int MostSides = 8;

// Empty when the competition can start.
QString seriesProblem(const QString &name, const QList<CompetitionSide> &sides, int tests);
QString leagueProblem(const QString &name, const QList<CompetitionSide> &sides);
} // namespace CompetitionRules

// As the store keeps the kind: "series" or "league".
QString kindName(CompetitionKind kind);
CompetitionKind kindOf(const QString &name);
