// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "EngineTestMatch.h"
#include "ScriptedRandom.h"

#include <QTest>

class tst_Over : public QObject
{
    Q_OBJECT
private slots:
    // Batsmen 4 and 7 at the crease, either on strike, every face and every split.
    void faceDecidesRunsStrikeBallsAndMinutes_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("split");
        QTest::addColumn<bool>("aOnStrike");
        for (bool a : {true, false}) {
            for (int face : {1, 3}) {
                for (int d = 1; d <= 5; ++d)
                    QTest::addRow("face %d d %d %s", face, d, a ? "A" : "B") << face << d << a;
            }
            for (int face : {2, 4, 6})
                QTest::addRow("face %d %s", face, a ? "A" : "B") << face << 0 << a;
        }
    }
    void faceDecidesRunsStrikeBallsAndMinutes()
    {
        QFETCH(int, face);
        QFETCH(int, split);
        QFETCH(bool, aOnStrike);
        TestMatch match;
        MatchState &state = Globals::matchState();
        state.BatsmanA = 4;
        state.BatsmanB = 7;
        state.Striker = aOnStrike ? 4 : 7;
        ScriptedRandom die{face};
        if (split)
            die.push(split);
        TestMatch::roll(1);
        QCOMPARE(die.remaining(), 0);

        const bool odd = face == 1 || face == 3;
        const int striker = aOnStrike ? 4 : 7;
        const int other = aOnStrike ? 7 : 4;
        QCOMPARE(TestMatch::line(1, "lblRuns", striker - 1)->text(), QString::number(face));
        QCOMPARE(TestMatch::line(1, "lblRuns", other - 1)->text(), QString());
        QCOMPARE(int(state.Striker), odd ? other : striker);
        QCOMPARE(state.BatsmanA, quint8(4));
        QCOMPARE(state.BatsmanB, quint8(7));
        if (odd) {
            QCOMPARE(TestMatch::line(1, "lblBalls", 3)->text(), QString::number(split));
            QCOMPARE(TestMatch::line(1, "lblBalls", 6)->text(), QString::number(6 - split));
            QCOMPARE(die.ranges(), (QList<int>{6, 5}));
        } else {
            QCOMPARE(TestMatch::line(1, "lblBalls", striker - 1)->text(), u"6"_qs);
            QCOMPARE(TestMatch::line(1, "lblBalls", other - 1)->text(), QString());
        }
        QCOMPARE(TestMatch::line(1, "lblMins", 3)->text(), u"4"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 6)->text(), u"4"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 0)->text(), u"0"_qs);
        frmInnings1 *card = TestMatch::innings(1);
        QCOMPARE(TestMatch::text(card, u"lblTotal"_qs), QString::number(face));
        QCOMPARE(TestMatch::summaryText("lblInn1"), QString::number(face));
        QCOMPARE(TestMatch::summaryText("lblTotal1"), QString::number(face));
        QCOMPARE(TestMatch::summaryText("lblTotal2"), u"0"_qs);
        const QWidget *marker = card->findChild<QWidget *>(u"shpFacing"_qs);
        QCOMPARE(marker->y(), TestMatch::line(1, "lblName", state.Striker - 1)->y() + 4);
        QCOMPARE(TestMatch::box(1)->text(), QString());
        QCOMPARE(TestMatch::stateText("lblOvers"), u"1"_qs);
    }

    void sixTwiceKeepsTheStrike()
    {
        TestMatch match;
        ScriptedRandom die{6, 6};
        TestMatch::roll(1);
        TestMatch::roll(1);
        QCOMPARE(TestMatch::line(1, "lblRuns", 0)->text(), u"12"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 0)->text(), u"12"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 0)->text(), u"8"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 1)->text(), u"8"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 1)->text(), u"0"_qs);
        QCOMPARE(Globals::matchState().Striker, quint8(1));
    }

    void runsInInnings3GoToTeam1()
    {
        TestMatch match;
        MatchState &state = Globals::matchState();
        state.CurrentInnings = 3;
        frmInnings1 *third = TestMatch::innings(3);
        third->show();
        ScriptedRandom die{2};
        TestMatch::roll(3);
        QCOMPARE(TestMatch::summaryText("lblInn3"), u"2"_qs);
        QCOMPARE(TestMatch::summaryText("lblTotal1"), u"2"_qs);
        QCOMPARE(TestMatch::summaryText("lblInn1"), u"0"_qs);
        QCOMPARE(TestMatch::summaryText("lblTotal2"), u"0"_qs);
        QCOMPARE(TestMatch::text(third, u"lblTotal"_qs), u"2"_qs);
        QCOMPARE(TestMatch::text(TestMatch::innings(1), u"lblTotal"_qs), u"0"_qs);
    }

    void typedFacePlaysTheOver()
    {
        TestMatch match;
        ScriptedRandom die{2};
        QTest::keyClick(TestMatch::box(1), Qt::Key_3);
        QCOMPARE(TestMatch::line(1, "lblRuns", 0)->text(), u"3"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 0)->text(), u"2"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 1)->text(), u"4"_qs);
        QCOMPARE(TestMatch::box(1)->text(), QString());
        QCOMPARE(Globals::matchState().Striker, quint8(2));
    }

    void notAFacePlaysNoOver_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("0") << u"0"_qs;
        QTest::newRow("7") << u"7"_qs;
        QTest::newRow("9") << u"9"_qs;
        QTest::newRow("letter") << u"x"_qs;
        QTest::newRow("blank") << u" "_qs;
    }
    void notAFacePlaysNoOver()
    {
        QFETCH(QString, typed);
        TestMatch match;
        ScriptedRandom die;
        QTest::keyClicks(TestMatch::box(1), typed);
        QCOMPARE(TestMatch::box(1)->text(), QString());
        QCOMPARE(TestMatch::stateText("lblOvers"), u"0"_qs);
        QCOMPARE(TestMatch::stateText("lblTime"), u"10:00a"_qs);
        QCOMPARE(TestMatch::line(1, "lblRuns", 0)->text(), u"0"_qs);
        QCOMPARE(TestMatch::line(1, "lblBalls", 0)->text(), u"0"_qs);
        QCOMPARE(TestMatch::line(1, "lblMins", 0)->text(), u"0"_qs);
        QCOMPARE(Globals::matchState().ClockMinute, quint8(0));
        QCOMPARE(die.ranges(), QList<int>());
    }

    void enterPressesRoll()
    {
        TestMatch match;
        ScriptedRandom die{4};
        QLineEdit *box = TestMatch::box(1);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(die.remaining(), 0);
        QCOMPARE(TestMatch::line(1, "lblRuns", 0)->text(), u"4"_qs);
        die.push(6);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(TestMatch::line(1, "lblRuns", 0)->text(), u"10"_qs);
    }

    void everyRollReseedsBeforeItsDraws()
    {
        TestMatch match;
        ScriptedRandom die{1, 3, 5, 8, 12};
        TestMatch::roll(1);
        TestMatch::roll(1);
        // Die, split, die, appeal, extras: each draw here is a group of its own.
        QCOMPARE(die.reseeds(), 5);
        QCOMPARE(die.ranges(), (QList<int>{6, 5, 6, 10, 20}));
    }
};

QTEST_MAIN(tst_Over)
#include "tst_over.moc"
