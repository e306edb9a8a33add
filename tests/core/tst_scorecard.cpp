// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/Scorecard.h"

#include "HandMadeMatch.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// Where each figure after the how-out column ends: runs, balls, minutes, fall of wicket.
QList<int> figureEnds(const QString &row)
{
    QList<int> ends;
    for (int at = 37; at < row.size(); ++at) {
        if (row[at] != u' ' && (at + 1 == row.size() || row[at + 1] == u' '))
            ends << at + 1;
    }
    return ends;
}

QString figure(const std::optional<int> &value)
{
    return value ? QString::number(*value) : QString();
}

} // namespace

// The scorecards to share carry every batsman's figures as the windows show them.
class tst_Scorecard : public QObject
{
    Q_OBJECT
    MatchStore m_unsaved{QString()};
    Match m_match;

    void everyBattingLine()
    {
        QTest::addColumn<int>("innings");
        QTest::addColumn<int>("line");
        for (int innings = 1; innings <= 4; ++innings) {
            for (int line = 0; line < 11; ++line)
                QTest::addRow("innings %d, line %d", innings, line) << innings << line;
        }
    }
    const BattingLine &battingLine(int innings, int line)
    {
        return m_match.innings(innings).lines[std::size_t(line)];
    }
    // The text row of a batsman, found by all its figures in order.
    QString textRow(int innings, int line)
    {
        const BattingLine &batting = battingLine(innings, line);
        QString pattern = u"^"_s + QRegularExpression::escape(batting.name.trimmed());
        for (const QString &item :
             {batting.howOut.trimmed(), figure(batting.runs), figure(batting.balls),
              figure(batting.mins), batting.fow.trimmed()}) {
            if (!item.isEmpty())
                pattern += u" +"_s + QRegularExpression::escape(item);
        }
        const QRegularExpression row(pattern + u"$"_s, QRegularExpression::MultilineOption);
        return row.match(scorecardText(m_match, QString())).captured();
    }

private slots:
    void initTestCase()
    {
        playHandMadeMatch(m_unsaved, m_match, handMadeSetup(TeamSource::PlayerFile));
    }

    void textHoldsEveryBatsman_data() { everyBattingLine(); }
    void textHoldsEveryBatsman()
    {
        QFETCH(int, innings);
        QFETCH(int, line);
        QVERIFY(!textRow(innings, line).isEmpty());
    }

    void textColumnsLineUp_data() { everyBattingLine(); }
    void textColumnsLineUp()
    {
        QFETCH(int, innings);
        QFETCH(int, line);
        const QString text = scorecardText(m_match, QString());
        const QString heading = text.section(u'\n', 4, 4);
        QCOMPARE(figureEnds(textRow(innings, line)).mid(0, 3), figureEnds(heading).mid(0, 3));
    }

    void htmlHoldsEveryBatsman_data() { everyBattingLine(); }
    void htmlHoldsEveryBatsman()
    {
        QFETCH(int, innings);
        QFETCH(int, line);
        const BattingLine &batting = battingLine(innings, line);
        const QString row = u"<tr><td>%1</td><td>%2</td><td class=\"n\">%3</td><td class=\"n\">"
                            "%4</td><td class=\"n\">%5</td><td class=\"n\">%6</td></tr>"_s.arg(
                                batting.name.trimmed().toHtmlEscaped(),
                                batting.howOut.trimmed().toHtmlEscaped(), figure(batting.runs),
                                figure(batting.balls), figure(batting.mins), batting.fow.trimmed());
        QVERIFY2(scorecardHtml(m_match, QString()).contains(row), qPrintable(row));
    }

    void htmlNeedsNoOtherFile()
    {
        static const QRegularExpression external(u"(src|href)="_s);
        QCOMPARE(scorecardHtml(m_match, QString()).contains(external), false);
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
