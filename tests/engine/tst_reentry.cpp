// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/Colours.h"
#include "common/Controls.h"
#include "engine/frmResult.h"

#include "EngineTestMatch.h"
#include "ScriptedRandom.h"

#include <QMdiSubWindow>
#include <QTest>

namespace {

// An appeal that r = 1 upholds for any average: caught, the batsman facing all six balls.
void wicket(ScriptedRandom &die, int innings)
{
    die.push({5, 1, 1, 6});
    TestMatch::roll(innings);
}

void overs(ScriptedRandom &die, int innings, int count, int face = 2)
{
    for (int i = 0; i < count; ++i) {
        die.push(face);
        TestMatch::roll(innings);
    }
}

int resultWindows(QMdiArea &area)
{
    int count = 0;
    for (QMdiSubWindow *window : area.subWindowList())
        count += qobject_cast<frmResult *>(window) && window->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class tst_Reentry : public QObject
{
    Q_OBJECT
private slots:
    void tenthWicketOfInnings2OpensInnings3OverTheFirst()
    {
        TestMatch match;
        QApplication::setActiveWindow(&match.area());
        QVERIFY(QTest::qWaitForWindowActive(&match.area()));
        TestMatch::innings(1)->move(30, 20);
        ScriptedRandom die;
        for (int w = 0; w < 10; ++w)
            wicket(die, 1);
        QVERIFY(MatchWindows::isInningsOpen(2));
        QCOMPARE(TestMatch::innings(2)->windowTitle(), u"England - 1st Innings"_qs);
        overs(die, 2, 3, 4);
        for (int w = 0; w < 10; ++w)
            wicket(die, 2);
        QCOMPARE(die.remaining(), 0);

        const MatchState &state = Globals::matchState();
        QCOMPARE(state.CurrentInnings, quint8(3));
        QCOMPARE(state.Striker, quint8(1));
        QCOMPARE(state.BatsmanA, quint8(1));
        QCOMPARE(state.BatsmanB, quint8(2));
        QCOMPARE(state.WicketsDown, quint8(0));
        QVERIFY(!TestMatch::rollButton(2)->isEnabled());
        QVERIFY(!TestMatch::box(2)->isEnabled());
        QVERIFY(TestMatch::rollButton(3)->isEnabled());
        frmInnings1 *third = TestMatch::innings(3);
        QVERIFY(third->isVisible());
        QCOMPARE(third->pos(), QPoint(30, 20));
        QCOMPARE(match.area().subWindowList(QMdiArea::StackingOrder).last(), third);
        QCOMPARE(match.area().activeSubWindow(), third);
        QCOMPARE(QApplication::focusWidget(), TestMatch::box(3));
        QCOMPARE(third->windowTitle(), u"Australia - 2nd Innings"_qs);
        QCOMPARE(TestMatch::line(3, "lblHowOut", 0)->text(), u"Not Out"_qs);
        QCOMPARE(TestMatch::line(3, "lblHowOut", 2)->text(), QString());

        // The finished scorecard keeps its figures.
        frmInnings1 *second = TestMatch::innings(2);
        QCOMPARE(TestMatch::text(second, u"lblTotal"_qs), u"12"_qs);
        QCOMPARE(TestMatch::text(second, u"lblTotalLine"_qs),
                 u"Total for the loss of 10 wickets:"_qs);
        QCOMPARE(TestMatch::line(2, "lblFOW", 10)->text(), u" 10/12"_qs);
        QCOMPARE(state.Cards[2].FOW[10], qint16(12));
        QCOMPARE(state.Cards[2].Pair[10].trimmed(), u"HAL Norcross/CS Wrenfield"_qs);
        // At the tenth wicket nobody comes in: only CS Wrenfield, never out, is in white.
        int white = 0;
        for (int i = 0; i < 11; ++i)
            white += foreColour(TestMatch::line(2, "lblName", i)) == colourFromBgr(Bgr::White);
        QCOMPARE(white, 1);
        QCOMPARE(TestMatch::line(2, "lblHowOut", 1)->text(), u"Not Out"_qs);
        QCOMPARE(TestMatch::line(2, "lblHowOut", 10)->text(), u"Caught "_qs);
        QCOMPARE(TestMatch::line(2, "lblBalls", 10)->text(), u"6"_qs);
        QCOMPARE(TestMatch::line(2, "lblMins", 10)->text(), u"4"_qs);
        QCOMPARE(TestMatch::line(2, "lblMins", 1)->text(), u"52"_qs);
        const QWidget *marker = second->findChild<QWidget *>(u"shpFacing"_qs);
        QCOMPARE(marker->y(), TestMatch::line(2, "lblName", 0)->y() + 4);
        QCOMPARE(TestMatch::summaryText("lblInn2"), u"12"_qs);
        QVERIFY(!MatchWindows::isResultOpen());
    }

    void tenthWicketOfInnings4OpensTheResult()
    {
        TestMatch match;
        ScriptedRandom die;
        for (int innings = 1; innings <= 4; ++innings) {
            if (innings == 3)
                overs(die, 3, 2, 6);
            for (int w = 0; w < 10; ++w)
                wicket(die, innings);
        }
        QCOMPARE(die.remaining(), 0);
        QCOMPARE(Globals::matchState().CurrentInnings, quint8(5));
        QVERIFY(MatchWindows::isResultOpen());
        QCOMPARE(resultWindows(match.area()), 1);
        QVERIFY(!TestMatch::rollButton(4)->isEnabled());
        QVERIFY(!TestMatch::box(4)->isEnabled());
        QCOMPARE(TestMatch::text(MatchWindows::result(), u"lblResult"_qs),
                 u"I declare the winner of this test match, by  12 runs : Australia"_qs);
    }

    void overThatEndsDay5ScoresThenOpensTheResult()
    {
        TestMatch match;
        ScriptedRandom die;
        overs(die, 1, 449);
        QVERIFY(!MatchWindows::isResultOpen());
        overs(die, 1, 1, 4);
        const MatchState &state = Globals::matchState();
        QVERIFY(state.TimeUp);
        QCOMPARE(TestMatch::line(1, "lblRuns", 0)->text(), u"902"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 0)->text(), u"2700"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 0)->text(), u"1800"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 1)->text(), u"1800"_qs);
        QCOMPARE(TestMatch::summaryText("lblTotal1"), u"902"_qs);
        QVERIFY(MatchWindows::isResultOpen());
        QVERIFY(TestMatch::rollButton(1)->isEnabled());
        QCOMPARE(TestMatch::text(MatchWindows::result(), u"lblResult"_qs),
                 u"The time allowed for this match has expired; the innings were not completed "
                 "and the match has been declared a draw"_qs);

        // Later rolls only bring the one result window back to the front.
        match.area().setActiveSubWindow(TestMatch::innings(1));
        overs(die, 1, 2, 6);
        QCOMPARE(die.remaining(), 0);
        QCOMPARE(resultWindows(match.area()), 1);
        QCOMPARE(match.area().activeSubWindow(), MatchWindows::result());
        QCOMPARE(TestMatch::line(1, "lblRuns", 0)->text(), u"902"_qs);
        QCOMPARE(TestMatch::stateText("lblDay"), u"6"_qs);
    }

    void tenthWicketInTheLastOverLeavesTheInningsOpen()
    {
        TestMatch match;
        ScriptedRandom die;
        for (int w = 0; w < 9; ++w)
            wicket(die, 1);
        overs(die, 1, 440);
        wicket(die, 1);
        QCOMPARE(die.remaining(), 0);
        const MatchState &state = Globals::matchState();
        QVERIFY(state.TimeUp);
        QCOMPARE(state.WicketsDown, quint8(10));
        QCOMPARE(state.CurrentInnings, quint8(1));
        QVERIFY(MatchWindows::isResultOpen());
        QVERIFY(!MatchWindows::isInningsOpen(2));
        QVERIFY(TestMatch::rollButton(1)->isEnabled());
        QVERIFY(TestMatch::box(1)->isEnabled());
        QCOMPARE(state.Cards[1].FOW[10], qint16(880));
    }
};

QTEST_MAIN(tst_Reentry)
#include "tst_reentry.moc"
