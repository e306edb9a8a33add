// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/Competition.h"

#include "core/competition/SeriesScore.h"
#include "core/store/ShortResult.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

QString nameProblem(const QString &name, CompetitionKind kind)
{
    const QString trimmed = name.trimmed();
    const bool series = kind == CompetitionKind::Series;
    if (trimmed.isEmpty())
        return series ? QCoreApplication::translate("CompetitionRules", "The series needs a name.")
                      : QCoreApplication::translate("CompetitionRules", "The league needs a name.");
    if (trimmed.size() > CompetitionRules::LongestName)
        return (series ? QCoreApplication::translate("CompetitionRules",
                                                     "The series's name has at most %1 characters.")
                       : QCoreApplication::translate(
                             "CompetitionRules", "The league's name has at most %1 characters."))
            .arg(CompetitionRules::LongestName);
    return {};
}

bool twiceIn(const QList<CompetitionSide> &sides)
{
    for (qsizetype a = 0; a < sides.size(); ++a) {
        for (qsizetype b = a + 1; b < sides.size(); ++b) {
            if (sides[a].side == sides[b].side)
                return true;
        }
    }
    return false;
}

} // namespace

QString CompetitionRules::seriesProblem(const QString &name, const QList<CompetitionSide> &sides,
                                        int tests)
{
    if (sides.size() != 2 || twiceIn(sides))
        return QCoreApplication::translate("CompetitionRules", "Choose two different sides.");
    if (tests < FewestTests || tests > MostTests)
        return QCoreApplication::translate("CompetitionRules", "A series has from %1 to %2 tests.")
            .arg(FewestTests)
            .arg(MostTests);
    return nameProblem(name, CompetitionKind::Series);
}

QString CompetitionRules::leagueProblem(const QString &name, const QList<CompetitionSide> &sides)
{
    if (sides.size() < FewestSides || sides.size() > MostSides)
        return QCoreApplication::translate("CompetitionRules",
                                           "From %1 to %2 sides must play; %3 are ticked.")
            .arg(FewestSides)
            .arg(MostSides)
            .arg(sides.size());
    if (twiceIn(sides))
        return QCoreApplication::translate("CompetitionRules",
                                           "A side can play only once in a league.");
    return nameProblem(name, CompetitionKind::League);
}

QString Fixture::shortResult() const
{
    return match ? ::shortResult(status, result, teams, overs)
                 : QCoreApplication::translate("Competition", "Not played");
}

QStringList Competition::names() const
{
    QStringList names;
    for (const CompetitionSide &side : sides)
        names << side.name;
    return names;
}

QList<PlayedMatch> Competition::played() const
{
    QList<PlayedMatch> matches;
    for (const Fixture &fixture : fixtures) {
        if (fixture.played)
            matches << *fixture.played;
    }
    return matches;
}

qsizetype Competition::playedCount() const
{
    return std::count_if(fixtures.begin(), fixtures.end(),
                         [](const Fixture &fixture) { return fixture.played.has_value(); });
}

int Competition::nextFixture() const
{
    for (int index = 0; index < fixtures.size(); ++index) {
        if (!fixtures[index].played)
            return index;
    }
    return -1;
}

QString Competition::statusText() const
{
    if (finished())
        return QCoreApplication::translate("Competition", "Finished");
    const bool begun = std::any_of(fixtures.begin(), fixtures.end(),
                                   [](const Fixture &fixture) { return fixture.match != 0; });
    return begun ? QCoreApplication::translate("Competition", "In progress")
                 : QCoreApplication::translate("Competition", "Not started");
}

QString Competition::score() const
{
    if (kind == CompetitionKind::League || sides.size() != 2)
        return leader();
    return seriesScore({sides[0].name, sides[1].name}, seriesWins(played()),
                       int(fixtures.size() - playedCount()));
}

QString Competition::leader() const
{
    if (kind == CompetitionKind::League)
        return playedCount() > 0 ? table().constFirst().name : QString();
    if (sides.size() != 2)
        return {};
    const std::array<int, 2> wins = seriesWins(played());
    return wins[0] == wins[1] ? QString() : sides[wins[1] > wins[0] ? 1 : 0].name;
}

QString Competition::kindText() const
{
    return kind == CompetitionKind::Series ? QCoreApplication::translate("Competition", "Series")
                                           : QCoreApplication::translate("Competition", "League");
}

QString Competition::sidesText() const
{
    return names().join(kind == CompetitionKind::Series
                            ? QCoreApplication::translate("Competition", " v ")
                            : u", "_s);
}

QString kindName(CompetitionKind kind)
{
    return kind == CompetitionKind::Series ? u"series"_s : u"league"_s;
}

CompetitionKind kindOf(const QString &name)
{
    return name == u"league"_s ? CompetitionKind::League : CompetitionKind::Series;
}
