// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/pages/Pages.h"

#include "core/competition/CompetitionRows.h"
#include "core/competition/LeagueTable.h"
#include "core/match/Match.h"
#include "core/match/Scorecard.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Column widths of the text form: a name and a how-out caption are never longer.
constexpr int NameWidth = 20;
constexpr int HowOutWidth = 16;
constexpr int RunsWidth = 6;
constexpr int FigureWidth = 6;
constexpr int FowWidth = 8;

QString figure(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QString();
}

// Lines of batsmen not yet in end after the name.
QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QStringList inningsNumbers(const Match &match)
{
    QStringList numbers;
    for (int n = 1; n <= 4; ++n) {
        if (match.inningsOpen(n))
            numbers << QString::number(n);
    }
    return numbers;
}

QString resultOrState(const Match &match, const QString &state)
{
    return match.isOver() ? match.resultText() : state;
}

QStringList highlightLines(const Match &match)
{
    return match.highlights().split(u"\r\n"_s, Qt::SkipEmptyParts);
}

// Text for a page: trimmed, with HTML's special characters escaped.
QString htmlText(const QString &text)
{
    return text.trimmed().toHtmlEscaped();
}

// A page's head, its style and its heading; the caller ends it.
QString htmlPageStart(const QString &title)
{
    const QString heading = htmlText(title);
    //: The language code of the pages, as in <html lang="en">
    const QString language = QCoreApplication::translate("Pages", "en");
    return u"<!DOCTYPE html>\n<html lang=\""_s + language +
           u"\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
           "<title>"_s +
           heading +
           u"</title><style>body{font-family:sans-serif;margin:8px;max-width:44em}"
           "table{border-collapse:collapse;margin-bottom:12px}"
           "th,td{padding:2px 6px;text-align:left}td.n,th.n{text-align:right}"
           "th{border-bottom:1px solid #888}"
           "</style></head><body>\n<h1>"_s +
           heading + u"</h1>\n"_s;
}

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
    return u"<h2>"_s + htmlText(QCoreApplication::translate("Pages", "Batting")) + u"</h2>\n"_s +
           (rows.isEmpty() ? u"<p>"_s +
                                 htmlText(QCoreApplication::translate(
                                     "Pages", "No batting from the player file.")) +
                                 u"</p>\n"_s
                           : htmlTable(careerHeadings(), rows));
}

QString csvField(const QString &field)
{
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n'))
        return field;
    return u'"' + QString(field).replace(u"\""_s, u"\"\""_s) + u'"';
}

QString csvRow(const QStringList &cells)
{
    QStringList fields;
    for (const QString &cell : cells)
        fields << csvField(cell);
    return fields.join(u',') + u"\r\n"_s;
}

} // namespace

QString scorecardText(const Match &match, const QString &state)
{
    const QString title = scorecardTitle(match);
    QString text = title + u'\n' + QString(title.size(), u'=') + u"\n\n"_s;
    const int figuresAt = NameWidth + 1 + HowOutWidth;
    for (const QString &number : inningsNumbers(match)) {
        const InningsModel &card = match.innings(number.toInt());
        text += card.caption + u'\n';
        text += QCoreApplication::translate("Pages", "Name").leftJustified(NameWidth + 1) +
                QCoreApplication::translate("Pages", "How Out").leftJustified(HowOutWidth) +
                QCoreApplication::translate("Pages", "Runs").rightJustified(RunsWidth) +
                QCoreApplication::translate("Pages", "Balls").rightJustified(FigureWidth) +
                QCoreApplication::translate("Pages", "Mins").rightJustified(FigureWidth) +
                QCoreApplication::translate("Pages", "FOW").rightJustified(FowWidth) + u'\n';
        for (const BattingLine &line : card.lines) {
            const QString row = line.name.trimmed().leftJustified(NameWidth, u' ', true) + u' ' +
                                line.howOut.trimmed().leftJustified(HowOutWidth, u' ', true) +
                                figure(line.runs).rightJustified(RunsWidth) +
                                figure(line.balls).rightJustified(FigureWidth) +
                                figure(line.mins).rightJustified(FigureWidth) +
                                line.fow.trimmed().rightJustified(FowWidth);
            text += withoutTrailingBlanks(row) + u'\n';
        }
        text += QCoreApplication::translate("Pages", "Extras:").rightJustified(figuresAt) +
                QString::number(card.extras).rightJustified(RunsWidth) + u'\n';
        text += card.totalLineCaption().rightJustified(figuresAt) +
                QString::number(card.total).rightJustified(RunsWidth) + u"\n\n"_s;
    }
    const SummaryModel &summary = match.summary();
    const qsizetype teamWidth = std::max<qsizetype>(
        {NameWidth, summary.team1.trimmed().size(), summary.team2.trimmed().size()});
    text += QCoreApplication::translate("Pages", "Match Summary") + u'\n';
    text += QString().leftJustified(teamWidth) +
            QCoreApplication::translate("Pages", "1st Inns").rightJustified(10) +
            QCoreApplication::translate("Pages", "2nd Inns").rightJustified(10) +
            QCoreApplication::translate("Pages", "Total").rightJustified(10) + u'\n';
    const auto summaryRow = [&](const QString &team, int first, int second, int total) {
        return team.trimmed().leftJustified(teamWidth) + QString::number(first).rightJustified(10) +
               QString::number(second).rightJustified(10) +
               QString::number(total).rightJustified(10) + u'\n';
    };
    text += summaryRow(summary.team1, summary.innings[1], summary.innings[3], summary.total1);
    text += summaryRow(summary.team2, summary.innings[2], summary.innings[4], summary.total2);
    text += u'\n' + QCoreApplication::translate("Pages", "Result") + u'\n' +
            resultOrState(match, state) + u"\n\n"_s +
            QCoreApplication::translate("Pages", "Highlights") + u'\n';
    for (const QString &line : highlightLines(match))
        text += line + u'\n';
    return text;
}

QString scorecardHtml(const Match &match, const QString &state)
{
    const auto esc = htmlText;
    QString html = htmlPageStart(scorecardTitle(match));
    const auto cell = [](const QString &text, bool number = false) {
        return (number ? u"<td class=\"n\">"_s : u"<td>"_s) + text + u"</td>"_s;
    };
    for (const QString &number : inningsNumbers(match)) {
        const InningsModel &card = match.innings(number.toInt());
        html += u"<h2>"_s + esc(card.caption) + u"</h2>\n<table><tr><th>"_s +
                esc(QCoreApplication::translate("Pages", "Name")) + u"</th><th>"_s +
                esc(QCoreApplication::translate("Pages", "How Out")) + u"</th><th class=\"n\">"_s +
                esc(QCoreApplication::translate("Pages", "Runs")) + u"</th><th class=\"n\">"_s +
                esc(QCoreApplication::translate("Pages", "Balls")) + u"</th><th class=\"n\">"_s +
                esc(QCoreApplication::translate("Pages", "Mins")) + u"</th><th class=\"n\">"_s +
                esc(QCoreApplication::translate("Pages", "FOW")) + u"</th></tr>\n"_s;
        for (const BattingLine &line : card.lines)
            html += u"<tr>"_s + cell(esc(line.name)) + cell(esc(line.howOut)) +
                    cell(figure(line.runs), true) + cell(figure(line.balls), true) +
                    cell(figure(line.mins), true) + cell(esc(line.fow), true) + u"</tr>\n"_s;
        html += u"<tr><td></td><th class=\"n\">"_s +
                esc(QCoreApplication::translate("Pages", "Extras:")) + u"</th>"_s +
                cell(QString::number(card.extras), true) +
                u"</tr>\n<tr><td colspan=\"2\" class=\"n\"><b>"_s + esc(card.totalLineCaption()) +
                u"</b></td>"_s + cell(QString::number(card.total), true) + u"</tr></table>\n"_s;
    }
    const SummaryModel &summary = match.summary();
    html += u"<h2>"_s + esc(QCoreApplication::translate("Pages", "Match Summary")) +
            u"</h2>\n<table><tr><th></th><th class=\"n\">"_s +
            esc(QCoreApplication::translate("Pages", "1st Inns")) + u"</th><th class=\"n\">"_s +
            esc(QCoreApplication::translate("Pages", "2nd Inns")) + u"</th><th class=\"n\">"_s +
            esc(QCoreApplication::translate("Pages", "Total")) + u"</th></tr>\n"_s;
    const auto summaryRow = [&](const QString &team, int first, int second, int total) {
        return u"<tr>"_s + cell(esc(team)) + cell(QString::number(first), true) +
               cell(QString::number(second), true) + cell(QString::number(total), true) +
               u"</tr>\n"_s;
    };
    html += summaryRow(summary.team1, summary.innings[1], summary.innings[3], summary.total1);
    html += summaryRow(summary.team2, summary.innings[2], summary.innings[4], summary.total2);
    html += u"</table>\n<h2>"_s + esc(QCoreApplication::translate("Pages", "Result")) +
            u"</h2>\n<p style=\"white-space:pre-wrap\">"_s + esc(resultOrState(match, state)) +
            u"</p>\n<h2>"_s + esc(QCoreApplication::translate("Pages", "Highlights")) +
            u"</h2>\n<p>"_s;
    QStringList lines;
    for (const QString &line : highlightLines(match))
        lines << esc(line);
    html += lines.join(u"<br>\n"_s) + u"</p>\n</body></html>\n"_s;
    return html;
}

QString seriesHtml(const Competition &series, const QList<CareerLine> &batting)
{
    QString html =
        htmlPageStart(QCoreApplication::translate("Pages", "Series: %1").arg(series.name));
    html += u"<h2>"_s + htmlText(series.score()) + u"</h2>\n"_s;
    QList<QStringList> rows;
    QString results;
    for (const Fixture &fixture : series.fixtures) {
        rows << seriesTestCells(fixture);
        const QString verdict =
            fixture.played ? resultText(fixture.result, fixture.teams) : fixture.shortResult();
        results += u"<li>"_s +
                   QCoreApplication::translate("Pages", "Test %1: %2")
                       .arg(QString::number(fixture.number), htmlText(verdict)) +
                   u"</li>\n"_s;
    }
    html += htmlTable(seriesTestHeadings(), rows) + battingTable(batting);
    return html + u"<h2>"_s + htmlText(QCoreApplication::translate("Pages", "Results")) +
           u"</h2>\n<ul>\n"_s + results + u"</ul>\n</body></html>\n"_s;
}

QString leagueHtml(const Competition &league, const QList<CareerLine> &batting)
{
    QString html =
        htmlPageStart(QCoreApplication::translate("Pages", "League: %1").arg(league.name));
    QList<QStringList> rows;
    int position = 0;
    for (const TableLine &line : league.table())
        rows << tableCells(line, ++position);
    html += htmlTable(tableHeadings(), rows) + u"<p>"_s + htmlText(pointsRules()) + u"</p>\n"_s;
    rows.clear();
    for (const Fixture &fixture : league.fixtures)
        rows << fixtureCells(league, fixture);
    html += u"<h2>"_s + htmlText(QCoreApplication::translate("Pages", "Fixtures and results")) +
            u"</h2>\n"_s + htmlTable(fixtureHeadings(), rows);
    return html + battingTable(batting) + u"</body></html>\n"_s;
}

QString recordsHtml(const QList<QList<RecordRow>> &lists, const QString &team)
{
    QString html = htmlPageStart(
        team.isEmpty() ? QCoreApplication::translate("Pages", "Records")
                       : QCoreApplication::translate("Pages", "Records: %1").arg(team));
    for (int list = 0; list < lists.size(); ++list) {
        const auto which = RecordList(list);
        QList<QStringList> rows;
        for (const RecordRow &row : lists[list])
            rows << recordCells(which, row);
        html += u"<h2>"_s + htmlText(recordListTitle(which)) + u"</h2>\n"_s +
                htmlTable(recordHeadings(which), rows);
    }
    return html + u"</body></html>\n"_s;
}

QString careersCsv(const QList<CareerLine> &lines)
{
    QString csv = csvRow(careerHeadings());
    for (const CareerLine &line : lines)
        csv += csvRow(careerCells(line));
    return csv;
}
