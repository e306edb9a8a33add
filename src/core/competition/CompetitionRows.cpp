// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/CompetitionRows.h"

#include "core/common/Moments.h"

using namespace Qt::StringLiterals;

QStringList seriesTestHeadings()
{
    return {u"Test"_s, u"Started"_s, u"Result"_s};
}

QStringList seriesTestCells(const Fixture &fixture)
{
    return {QString::number(fixture.number),
            fixture.match ? shownMoment(fixture.started) : QString(), fixture.shortResult()};
}

QStringList fixtureHeadings()
{
    return {u"Round"_s, u"Side A"_s, u"Side B"_s, u"Result"_s};
}

QStringList fixtureCells(const Competition &competition, const Fixture &fixture)
{
    return {QString::number(fixture.round), competition.sides.value(fixture.places[0]).name,
            competition.sides.value(fixture.places[1]).name, fixture.shortResult()};
}

QStringList competitionHeadings()
{
    return {u"Name"_s, u"Kind"_s, u"Sides"_s, u"Played"_s, u"Status"_s, u"Leader"_s};
}

QStringList competitionCells(const Competition &competition)
{
    return {competition.name,
            competition.kindText(),
            competition.sidesText(),
            u"%1 of %2"_s.arg(competition.playedCount()).arg(competition.fixtures.size()),
            competition.statusText(),
            competition.leader()};
}
