// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/CompetitionPage.h"

#include "core/match/Scorecard.h"

using namespace Qt::StringLiterals;

namespace {

QString htmlTable(const QStringList &headings, const QList<QStringList> &rows)
{
    QString html = u"<table><tr>"_s;
    for (const QString &heading : headings)
        html += u"<th>"_s + htmlText(heading) + u"</th>"_s;
    html += u"</tr>\n"_s;
    for (const QStringList &row : rows) {
        html += u"<tr>"_s;
        for (const QString &cell : row)
            html += u"<td>"_s + htmlText(cell) + u"</td>"_s;
        html += u"</tr>\n"_s;
    }
    return html + u"</table>\n"_s;
}

QString battingTable(const QList<CareerLine> &batting)
{
    QList<QStringList> rows;
    for (const CareerLine &line : batting)
        rows << careerCells(line);
    return u"<h2>Batting</h2>\n"_s + (rows.isEmpty()
                                          ? u"<p>No batting from the player file.</p>\n"_s
                                          : htmlTable(careerHeadings(), rows));
}

} // namespace

QStringList seriesTestHeadings()
{
    return {u"Test"_s, u"Started"_s, u"Result"_s};
}

QStringList seriesTestCells(const Fixture &fixture)
{
    return {QString::number(fixture.number),
            fixture.match ? fixture.started.toString(u"yyyy-MM-dd hh:mm"_s) : QString(),
            fixture.shortResult()};
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

QString seriesHtml(const Competition &series, const QList<CareerLine> &batting)
{
    QString html = htmlPageStart(u"Series: "_s + series.name);
    html += u"<h2>"_s + htmlText(series.score()) + u"</h2>\n"_s;
    QList<QStringList> rows;
    QString results;
    for (const Fixture &fixture : series.fixtures) {
        rows << seriesTestCells(fixture);
        const QString verdict = fixture.played ? fixture.result : fixture.shortResult();
        results +=
            u"<li>Test %1: %2</li>\n"_s.arg(QString::number(fixture.number), htmlText(verdict));
    }
    html += htmlTable(seriesTestHeadings(), rows) + battingTable(batting);
    return html + u"<h2>Results</h2>\n<ul>\n"_s + results + u"</ul>\n</body></html>\n"_s;
}

QString leagueHtml(const Competition &league, const QList<CareerLine> &batting)
{
    QString html = htmlPageStart(u"League: "_s + league.name);
    QList<QStringList> rows;
    int position = 0;
    for (const TableLine &line : league.table())
        rows << tableCells(line, ++position);
    html += htmlTable(tableHeadings(), rows) + u"<p>"_s + htmlText(pointsRules()) + u"</p>\n"_s;
    rows.clear();
    for (const Fixture &fixture : league.fixtures)
        rows << fixtureCells(league, fixture);
    html += u"<h2>Fixtures and results</h2>\n"_s + htmlTable(fixtureHeadings(), rows);
    return html + battingTable(batting) + u"</body></html>\n"_s;
}
