// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/CompetitionRows.h"

#include "core/common/Moments.h"

#include <QCoreApplication>

QStringList seriesTestHeadings()
{
    return {QCoreApplication::translate("CompetitionRows", "Test"),
            QCoreApplication::translate("CompetitionRows", "Started"),
            QCoreApplication::translate("CompetitionRows", "Result")};
}

QStringList seriesTestCells(const Fixture &fixture)
{
    return {QString::number(fixture.number),
            fixture.match ? shownMoment(fixture.started) : QString(), fixture.shortResult()};
}

QStringList fixtureHeadings()
{
    return {QCoreApplication::translate("CompetitionRows", "Round"),
            QCoreApplication::translate("CompetitionRows", "Side A"),
            QCoreApplication::translate("CompetitionRows", "Side B"),
            QCoreApplication::translate("CompetitionRows", "Result")};
}

QStringList fixtureCells(const Competition &competition, const Fixture &fixture)
{
    return {QString::number(fixture.round), competition.sides.value(fixture.places[0]).name,
            competition.sides.value(fixture.places[1]).name, fixture.shortResult()};
}

QStringList competitionHeadings()
{
    return {QCoreApplication::translate("CompetitionRows", "Name"),
            QCoreApplication::translate("CompetitionRows", "Kind"),
            QCoreApplication::translate("CompetitionRows", "Sides"),
            QCoreApplication::translate("CompetitionRows", "Played"),
            QCoreApplication::translate("CompetitionRows", "Status"),
            QCoreApplication::translate("CompetitionRows", "Leader")};
}

QStringList competitionCells(const Competition &competition)
{
    return {competition.name,
            competition.kindText(),
            competition.sidesText(),
            QCoreApplication::translate("CompetitionRows", "%1 of %2")
                .arg(competition.playedCount())
                .arg(competition.fixtures.size()),
            competition.statusText(),
            competition.leader()};
}
