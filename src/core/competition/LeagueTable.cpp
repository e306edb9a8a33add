// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/LeagueTable.h"

#include <QCoreApplication>
#include <algorithm>

using namespace Qt::StringLiterals;

Outcome outcomeFor(const PlayedMatch &match, int place)
{
    if (!match.decided)
        return Outcome::Drawn;
    if (match.runs[0] == match.runs[1])
        return Outcome::Tied;
    const bool first = place == match.places[0];
    return (match.runs[0] > match.runs[1]) == first ? Outcome::Won : Outcome::Lost;
}

int pointsFor(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Won:
        return PointsForWin;
    case Outcome::Tied:
        return PointsForTie;
    case Outcome::Drawn:
        return PointsForDraw;
    case Outcome::Lost:
        break;
    }
    return 0;
}

double TableLine::percentage() const
{
    return played > 0 ? 100.0 * points / (PointsForWin * played) : 0.0;
}

std::optional<double> TableLine::runsPerWicket() const
{
    if (runsFor <= 0 || wicketsLost <= 0 || runsAgainst <= 0 || wicketsTaken <= 0)
        return std::nullopt;
    return (double(runsFor) / wicketsLost) / (double(runsAgainst) / wicketsTaken);
}

QList<TableLine> leagueTable(const QStringList &names, const QList<PlayedMatch> &played)
{
    QList<TableLine> lines;
    for (int place = 0; place < names.size(); ++place) {
        TableLine line;
        line.place = place;
        line.name = names[place];
        lines.append(line);
    }
    for (const PlayedMatch &match : played) {
        for (std::size_t side = 0; side < 2; ++side) {
            const int place = match.places[side];
            if (place < 0 || place >= lines.size())
                continue;
            TableLine &line = lines[place];
            const Outcome outcome = outcomeFor(match, place);
            ++line.played;
            line.won += outcome == Outcome::Won;
            line.lost += outcome == Outcome::Lost;
            line.tied += outcome == Outcome::Tied;
            line.drawn += outcome == Outcome::Drawn;
            line.points += pointsFor(outcome);
            line.runsFor += match.runs[side];
            line.wicketsLost += match.wickets[side];
            line.runsAgainst += match.runs[1 - side];
            line.wicketsTaken += match.wickets[1 - side];
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const TableLine &x, const TableLine &y) {
        if (x.percentage() != y.percentage())
            return x.percentage() > y.percentage();
        const double rx = x.runsPerWicket().value_or(-1.0);
        const double ry = y.runsPerWicket().value_or(-1.0);
        if (rx != ry)
            return rx > ry;
        return x.name.compare(y.name, Qt::CaseInsensitive) < 0;
    });
    return lines;
}

QStringList tableHeadings()
{
    return {QCoreApplication::translate("LeagueTable", "Pos"),
            QCoreApplication::translate("LeagueTable", "Side"),
            QCoreApplication::translate("LeagueTable", "P", "played"),
            QCoreApplication::translate("LeagueTable", "W", "won"),
            QCoreApplication::translate("LeagueTable", "L", "lost"),
            QCoreApplication::translate("LeagueTable", "T", "tied"),
            QCoreApplication::translate("LeagueTable", "D", "drawn"),
            QCoreApplication::translate("LeagueTable", "Pts", "points"),
            QCoreApplication::translate("LeagueTable", "PCT", "percentage of points"),
            QCoreApplication::translate("LeagueTable", "RpW", "runs per wicket ratio")};
}

QStringList tableCells(const TableLine &line, int position)
{
    const std::optional<double> rpw = line.runsPerWicket();
    return {QString::number(position),
            line.name,
            QString::number(line.played),
            QString::number(line.won),
            QString::number(line.lost),
            QString::number(line.tied),
            QString::number(line.drawn),
            QString::number(line.points),
            QString::number(line.percentage(), 'f', 2),
            rpw ? QString::number(*rpw, 'f', 3) : u"-"_s};
}

QString pointsRules()
{
    return QCoreApplication::translate(
               "LeagueTable",
               "Win %1 points, tie %2, draw %3, loss 0. PCT: points won as a percentage of the "
               "points contested (%1 a match). Sides level on PCT are ordered by RpW: runs scored "
               "per wicket lost divided by runs conceded per wicket taken; then by name.")
        .arg(PointsForWin)
        .arg(PointsForTie)
        .arg(PointsForDraw);
}
