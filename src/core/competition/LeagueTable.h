// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A finished match of a series or league, as its two places played it.
struct PlayedMatch
{
    std::array<int, 2> places{};  // the place batting first, then the other
    bool decided = false;         // false: time ran out and the match was drawn
    std::array<int, 2> runs{};    // the two aggregates, same order
    std::array<int, 2> wickets{}; // wickets each lost
};

enum class Outcome
{
    Won,
    Lost,
    Tied,
    Drawn
};

// How the match ended for `place` (one of its two).
Outcome outcomeFor(const PlayedMatch &match, int place);

// Points for a result: a win 12, a tie 6, a draw 4, a loss nothing; 12 are contested a match.
constexpr int PointsForWin = 12;
constexpr int PointsForTie = 6;
constexpr int PointsForDraw = 4;
int pointsFor(Outcome outcome);

// One side's line of the league table.
struct TableLine
{
    int place = 0;
    QString name;
    int played = 0, won = 0, lost = 0, tied = 0, drawn = 0, points = 0;
    int runsFor = 0, wicketsLost = 0, runsAgainst = 0, wicketsTaken = 0;

    // Points won as a percentage of points contested; 0 before the first match.
    double percentage() const;
    // Runs scored per wicket lost over runs conceded per wicket taken; none until each of the
    // four figures is above nought.
    std::optional<double> runsPerWicket() const;
};

// The table of `names` (by place) after the matches played: ordered by the percentage, then
// runs per wicket (a side without the figure below any with it), then name.
QList<TableLine> leagueTable(const QStringList &names, const QList<PlayedMatch> &played);

// Pos, Side, P, W, L, T, D, Pts, PCT, RpW; and a line's cells in that order.
QStringList tableHeadings();
QStringList tableCells(const TableLine &line, int position);
// The points rules as the league window shows them under its table.
QString pointsRules();
