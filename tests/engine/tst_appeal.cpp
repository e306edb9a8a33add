// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/Colours.h"
#include "common/Controls.h"
#include "engine/AppealDecision.h"
#include "engine/BallRules.h"

#include "EngineTestMatch.h"
#include "ScriptedRandom.h"
#include "TestSupport.h"

#include <QPlainTextEdit>
#include <QTest>

class tst_Appeal : public QObject
{
    Q_OBJECT
private slots:
    void decisionFollowsTheBandOfTheAverage_data()
    {
        QTest::addColumn<int>("average");
        QTest::addColumn<int>("r");
        QTest::addColumn<bool>("out");
        // The highest r still given out, per average.
        const QList<std::pair<int, int>> limits{{0, 10}, {9, 10}, {10, 9},
                                                {29, 7}, {30, 5}, {255, 3}};
        for (const auto &[average, limit] : limits) {
            for (int r = 1; r <= 10; ++r) {
                QTest::addRow("average %d r %d", average, r) << average << r << (r <= limit);
            }
        }
    }
    void decisionFollowsTheBandOfTheAverage()
    {
        QFETCH(int, average);
        QFETCH(int, r);
        QFETCH(bool, out);
        ScriptedRandom random{r};
        QCOMPARE(AppealDecision(average), out);
        QCOMPARE(random.ranges(), QList<int>{10});
        QCOMPARE(random.reseeds(), 1);
    }

    void bandsRiseAtEachTen()
    {
        const int limits[] = {10, 9, 7, 5, 4, 3};
        for (int average = 0; average <= 255; ++average)
            QCOMPARE(appealOutLimit(average), limits[std::min(average / 10, 5)]);
    }

    void notOutAppealScoresTheExtrasOfTheDraw_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("extras");
        const int table[] = {0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 4, 1, 1, 1, 1};
        for (int r = 1; r <= 20; ++r)
            QTest::addRow("r %d", r) << r << table[r - 1];
    }
    void notOutAppealScoresTheExtrasOfTheDraw()
    {
        QFETCH(int, r);
        QFETCH(int, extras);
        QCOMPARE(BallRules::extrasForDraw(r), extras);

        TestMatch match;
        // KR Dunmore averages 22: r = 8 turns the appeal down.
        ScriptedRandom die{5, 8, r};
        TestMatch::roll(1);
        QCOMPARE(die.remaining(), 0);
        QCOMPARE(die.ranges(), (QList<int>{6, 10, 20}));
        const QString x = QString::number(extras);
        frmInnings1 *card = TestMatch::innings(1);
        QCOMPARE(TestMatch::text(card, u"lblTotal"_qs), x);
        QCOMPARE(TestMatch::text(card, u"lblExtras"_qs), x);
        QCOMPARE(TestMatch::summaryText("lblInn1"), x);
        QCOMPARE(TestMatch::summaryText("lblTotal1"), x);
        QCOMPARE(TestMatch::summaryText("lblInn2"), u"0"_qs);
        QCOMPARE(TestMatch::summaryText("lblTotal2"), u"0"_qs);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(TestMatch::line(1, "lblRuns", i)->text(), u"0"_qs);
            QCOMPARE(TestMatch::line(1, "lblBalls", i)->text(), u"0"_qs);
            QCOMPARE(TestMatch::line(1, "lblMins", i)->text(), u"0"_qs);
            QCOMPARE(TestMatch::line(1, "lblHowOut", i)->text(), u"Not Out"_qs);
        }
        QCOMPARE(Globals::matchState().Striker, quint8(1));
        QCOMPARE(Globals::matchState().WicketsDown, quint8(0));
        QCOMPARE(MatchWindows::highlights()->log(),
                 u"An appeal is made against KR Dunmore and he is given NOT OUT!\r\n"
                 "Match Highlights"_qs);
        QCOMPARE(TestMatch::box(1)->text(), QString());
    }

    void dismissalKindSetsHowOut_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("caption");
        const QString captions[] = {u"Caught "_qs,       u"Caught "_qs,         u"Caught "_qs,
                                    u"Caught "_qs,       u"Bowled"_qs,          u"Bowled"_qs,
                                    u"Bowled"_qs,        u"Caught & Bowled"_qs, u"Stumped"_qs,
                                    u"Caught Behind"_qs, u"Caught Behind"_qs,   u"Caught "_qs};
        for (int k = 1; k <= 12; ++k)
            QTest::addRow("k %d", k) << k << captions[k - 1];
    }
    void dismissalKindSetsHowOut()
    {
        QFETCH(int, k);
        QFETCH(QString, caption);
        QCOMPARE(BallRules::dismissalCaption(k), caption);
        TestMatch match;
        ScriptedRandom die{5, 1, k, 3};
        TestMatch::roll(1);
        QCOMPARE(die.remaining(), 0);
        QCOMPARE(TestMatch::line(1, "lblHowOut", 0)->text(), caption);
        QVERIFY(captionFits(TestMatch::line(1, "lblHowOut", 0)));
    }

    void dismissalSharesTheOverWithTheIncomingBatsman_data()
    {
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("t");
        const int minutes[] = {1, 2, 2, 3, 3, 4};
        for (int b = 1; b <= 6; ++b)
            QTest::addRow("b %d", b) << b << minutes[b - 1];
    }
    void dismissalSharesTheOverWithTheIncomingBatsman()
    {
        QFETCH(int, b);
        QFETCH(int, t);
        QCOMPARE(BallRules::minutesForBalls(b), t);
        TestMatch match;
        // A face 6 first, so the dismissed batsman has figures of his own.
        ScriptedRandom die{6, 5, 1, 1, b};
        TestMatch::roll(1);
        TestMatch::roll(1);
        QCOMPARE(die.remaining(), 0);
        const MatchState &state = Globals::matchState();
        QCOMPARE(TestMatch::line(1, "lblRuns", 0)->text(), u"6"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 0)->text(), QString::number(6 + b));
        QCOMPARE(TestMatch::line(1, "lblMins", 0)->text(), QString::number(4 + t));
        QCOMPARE(TestMatch::line(1, "lblMins", 1)->text(), u"8"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 1)->text(), u"0"_qs);
        QCOMPARE(TestMatch::line(1, "lblHowOut", 2)->text(), u"Not Out"_qs);
        QCOMPARE(TestMatch::line(1, "lblRuns", 2)->text(), u"0"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 2)->text(), QString::number(6 - b));
        QCOMPARE(TestMatch::line(1, "lblMins", 2)->text(), QString::number(4 - t));
        QCOMPARE(TestMatch::line(1, "lblFOW", 0)->text(), u" 1/6"_qs);
        QCOMPARE(state.Cards[1].Pair[1].trimmed(), u"KR Dunmore/PJ Ashgrove"_qs);
        QCOMPARE(state.Cards[1].FOW[1], qint16(6));
        QCOMPARE(state.Striker, quint8(3));
        QCOMPARE(state.BatsmanA, quint8(3));
        QCOMPARE(state.BatsmanB, quint8(2));
        QCOMPARE(state.WicketsDown, quint8(1));
        frmInnings1 *card = TestMatch::innings(1);
        QCOMPARE(TestMatch::text(card, u"lblTotalLine"_qs), u"Total for the loss of 1 wickets:"_qs);
        for (const char *column : {"lblName", "lblHowOut", "lblRuns", "lblBalls", "lblMins"}) {
            QCOMPARE(foreColour(TestMatch::line(1, column, 0)), colourFromBgr(0x00FFFF));
            QCOMPARE(foreColour(TestMatch::line(1, column, 2)), colourFromBgr(Bgr::White));
            QCOMPARE(foreColour(TestMatch::line(1, column, 3)), colourFromBgr(0x00FFFF));
        }
        const QWidget *marker = card->findChild<QWidget *>(u"shpFacing"_qs);
        QCOMPARE(marker->y(), TestMatch::line(1, "lblName", 2)->y() + 4);
        QCOMPARE(
            MatchWindows::highlights()->log(),
            u"An appeal is made against KR Dunmore and he is given out!\r\nMatch Highlights"_qs);
    }

    void dismissalOfBatsmanBNamesBatsmanAFirst()
    {
        TestMatch match;
        // Face 1 with split 2 hands the strike to PJ Ashgrove (46), out with r = 4.
        ScriptedRandom die{1, 2, 5, 4, 9, 6};
        TestMatch::roll(1);
        TestMatch::roll(1);
        QCOMPARE(die.remaining(), 0);
        const MatchState &state = Globals::matchState();
        QCOMPARE(state.Cards[1].Pair[1].trimmed(), u"KR Dunmore/PJ Ashgrove"_qs);
        QCOMPARE(state.Cards[1].FOW[1], qint16(1));
        QCOMPARE(state.BatsmanA, quint8(1));
        QCOMPARE(state.BatsmanB, quint8(3));
        QCOMPARE(state.Striker, quint8(3));
        QCOMPARE(TestMatch::line(1, "lblHowOut", 1)->text(), u"Stumped"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 1)->text(), u"10"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 1)->text(), u"8"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 0)->text(), u"8"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 2)->text(), u"0"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 2)->text(), u"0"_qs);
        QCOMPARE(TestMatch::text(TestMatch::innings(1), u"lblTotalLine"_qs),
                 u"Total for the loss of 1 wickets:"_qs);
    }

    void thirdWicketAt125ShowsBlankWicketSlashTotal()
    {
        TestMatch match;
        ScriptedRandom die;
        die.push({5, 1, 1, 3}); // KR Dunmore out at 0; DL Brindle in
        die.push({5, 1, 5, 3}); // DL Brindle out at 0; BT Coyle in
        for (int i = 0; i < 20; ++i)
            die.push(6);
        die.push(2);
        die.push({3, 4});        // 125, strike to PJ Ashgrove
        die.push({5, 2, 10, 2}); // PJ Ashgrove out, caught behind
        for (int i = 0; i < 25; ++i)
            TestMatch::roll(1);
        QCOMPARE(die.remaining(), 0);
        const MatchState &state = Globals::matchState();
        QCOMPARE(TestMatch::line(1, "lblFOW", 1)->text(), u" 3/125"_qs);
        QCOMPARE(state.Cards[1].FOW[3], qint16(125));
        QCOMPARE(state.Cards[1].Pair[3].trimmed(), u"BT Coyle/PJ Ashgrove"_qs);
        QCOMPARE(TestMatch::line(1, "lblFOW", 0)->text(), u" 1/0"_qs);
        QCOMPARE(TestMatch::line(1, "lblFOW", 2)->text(), u" 2/0"_qs);
        QCOMPARE(TestMatch::line(1, "lblRuns", 3)->text(), u"125"_qs);
        QCOMPARE(TestMatch::line(1, "lblHowOut", 1)->text(), u"Caught Behind"_qs);
        QCOMPARE(TestMatch::text(TestMatch::innings(1), u"lblTotalLine"_qs),
                 u"Total for the loss of 3 wickets:"_qs);
        QCOMPARE(state.WicketsDown, quint8(3));
        QCOMPARE(state.BatsmanB, quint8(5));
        QCOMPARE(state.Striker, quint8(5));
    }

    void highlightsNewestFirstAndReadOnly()
    {
        TestMatch match;
        ScriptedRandom die{5, 10, 1, 5, 1, 8, 6};
        TestMatch::roll(1);
        TestMatch::roll(1);
        QCOMPARE(die.remaining(), 0);
        QCOMPARE(MatchWindows::highlights()->log(),
                 u"An appeal is made against KR Dunmore and he is given out!\r\n"
                 "An appeal is made against KR Dunmore and he is given NOT OUT!\r\n"
                 "Match Highlights"_qs);
        auto *text = MatchWindows::highlights()->findChild<QPlainTextEdit *>(u"txtHighlights"_qs);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText().split(QLatin1Char('\n')),
                 (QStringList{u"An appeal is made against KR Dunmore and he is given out!"_qs,
                              u"An appeal is made against KR Dunmore and he is given NOT OUT!"_qs,
                              u"Match Highlights"_qs}));
        QCOMPARE(MatchWindows::highlights()->windowTitle(), u"Highlights Summary"_qs);
    }

    void appealAfterHighlightsClosedOpensAFreshLog()
    {
        TestMatch match;
        MatchWindows::highlights()->close();
        QVERIFY(!MatchWindows::isHighlightsOpen());
        ScriptedRandom die{5, 8, 1};
        TestMatch::roll(1);
        QVERIFY(MatchWindows::isHighlightsOpen());
        QVERIFY(MatchWindows::highlights()->isVisible());
        QCOMPARE(MatchWindows::highlights()->log(),
                 u"An appeal is made against KR Dunmore and he is given NOT OUT!\r\n"
                 "Match Highlights"_qs);
    }
};

QTEST_MAIN(tst_Appeal)
#include "tst_appeal.moc"
