// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/Scorecard.h"
#include "core/pages/Pages.h"

#include "HandMadeMatch.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

// The scorecards to share carry every batsman's figures as the windows show them.
class tst_Scorecard : public QObject
{
    Q_OBJECT
    MatchSession m_unsaved; // no store: nothing is saved
    const Match &m_match = m_unsaved.match();

    static void everyBattingLine()
    {
        QTest::addColumn<int>("innings");
        QTest::addColumn<int>("line");
        for (int row = 0; row < 44; ++row)
            QTest::addRow("innings %d, line %d", row / 11 + 1, row % 11)
                << row / 11 + 1 << row % 11;
    }
    // The batsman's name, how out, runs, balls, minutes and fall of wicket as shown.
    QStringList battingLine()
    {
        QFETCH(int, innings);
        QFETCH(int, line);
        const BattingLine &batting = m_match.innings(innings).lines[std::size_t(line)];
        const auto figure = [](std::optional<int> value) {
            return value ? QString::number(*value) : QString();
        };
        return {batting.name.trimmed(), batting.howOut.trimmed(), figure(batting.runs),
                figure(batting.balls),  figure(batting.mins),     batting.fow.trimmed()};
    }
    // Where each word of a row ends, from column `from` on (37: after the how-out column).
    static QList<int> wordEnds(const QString &row, int from = 37)
    {
        QList<int> ends;
        for (int at = from; at < row.size(); ++at) {
            if (row[at] != u' ' && (at + 1 == row.size() || row[at + 1] == u' '))
                ends << at + 1;
        }
        return ends;
    }

private slots:
    void initTestCase() { playHandMadeMatch(m_unsaved, handMadeSetup(TeamSource::PlayerFile)); }

    // The text row of each batsman, found by all its figures in order, lines up with the headings.
    void textShowsEveryBatsmanUnderTheHeadings_data() { everyBattingLine(); }
    void textShowsEveryBatsmanUnderTheHeadings()
    {
        QStringList items = battingLine();
        items.removeAll(QString());
        for (QString &item : items)
            item = QRegularExpression::escape(item);
        const QString text = scorecardText(m_match, QString());
        const QRegularExpression row(u"^"_s + items.join(u" +"_s) + u"$"_s,
                                     QRegularExpression::MultilineOption);
        // Runs, balls and minutes.
        QCOMPARE(wordEnds(row.match(text).captured()).mid(0, 3),
                 wordEnds(text.section(u'\n', 4, 4)).mid(0, 3));
    }

    void htmlHoldsEveryBatsman_data() { everyBattingLine(); }
    void htmlHoldsEveryBatsman()
    {
        QStringList cells = battingLine();
        for (QString &cell : cells)
            cell = cell.toHtmlEscaped();
        const QString row = u"<tr><td>"_s + cells.mid(0, 2).join(u"</td><td>"_s) +
                            u"</td><td class=\"n\">"_s +
                            cells.mid(2).join(u"</td><td class=\"n\">"_s) + u"</td></tr>"_s;
        QVERIFY2(scorecardHtml(m_match, QString()).contains(row), qPrintable(row));
    }

    void htmlNeedsNoOtherFile()
    {
        static const QRegularExpression external(u"(src|href)="_s);
        QCOMPARE(scorecardHtml(m_match, QString()).contains(external), false);
    }

    // The summary's figures end where their headings do; the HTML sets figures right too.
    void summaryFiguresStandUnderTheirHeadings()
    {
        const QStringList lines = scorecardText(m_match, QString()).split(u'\n');
        const QString head = lines.value(lines.indexOf(u"Match Summary"_s) + 1);
        QList<int> headings;
        for (const QString &heading : {u"1st Inns"_s, u"2nd Inns"_s, u"Total"_s})
            headings << int(head.indexOf(heading) + heading.size());
        const QList<int> ends = wordEnds(lines.value(lines.indexOf(head) + 1), 0); // first team's
        QCOMPARE(ends.mid(ends.size() - 3), headings);
        QVERIFY(scorecardHtml(m_match, QString()).contains(u"Extras:</th><td class=\"n\">"_s));
    }

    void resultIsShared()
    {
        QVERIFY(scorecardText(m_match, QString()).contains(m_match.resultText()));
    }

    void unfinishedMatchShowsHowFarItGot()
    {
        Match unfinished;
        ScriptedRandom random;
        unfinished.start(handMadeSetup(TeamSource::InBuilt), random);
        unfinished.playOver(6);
        QVERIFY(scorecardText(unfinished, scorecardState(unfinished, true))
                    .contains(u"Match abandoned on day 1 at 10:04a."_s));
    }
};

QTEST_GUILESS_MAIN(tst_Scorecard)
#include "tst_scorecard.moc"
