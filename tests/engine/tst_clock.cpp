// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "common/Fonts.h"
#include "engine/ClockModel.h"

#include "EngineTestMatch.h"
#include "ScriptedRandom.h"

#include <QTest>

class tst_Clock : public QObject
{
    Q_OBJECT
private:
    static void clockTable()
    {
        QTest::addColumn<int>("overs");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<bool>("timeUp");
        QTest::newRow("1") << 1 << u"10:04a"_qs << u"1"_qs << u"1"_qs << u"1"_qs << u"89"_qs
                           << false;
        QTest::newRow("14") << 14 << u"10:56a"_qs << u"1"_qs << u"1"_qs << u"14"_qs << u"76"_qs
                            << false;
        QTest::newRow("15") << 15 << u"11:00a"_qs << u"1"_qs << u"1"_qs << u"15"_qs << u"75"_qs
                            << false;
        QTest::newRow("29") << 29 << u"11:56a"_qs << u"1"_qs << u"1"_qs << u"29"_qs << u"61"_qs
                            << false;
        QTest::newRow("30 lunch") << 30 << u"12:40p"_qs << u"1"_qs << u"1"_qs << u"30"_qs
                                  << u"60"_qs << false;
        QTest::newRow("31") << 31 << u"12:44p"_qs << u"2"_qs << u"1"_qs << u"31"_qs << u"59"_qs
                            << false;
        QTest::newRow("36") << 36 << u"1:04p"_qs << u"2"_qs << u"1"_qs << u"36"_qs << u"54"_qs
                            << false;
        QTest::newRow("59") << 59 << u"2:36p"_qs << u"2"_qs << u"1"_qs << u"59"_qs << u"31"_qs
                            << false;
        QTest::newRow("60 tea") << 60 << u"3:00p"_qs << u"2"_qs << u"1"_qs << u"60"_qs << u"30"_qs
                                << false;
        QTest::newRow("61") << 61 << u"3:04p"_qs << u"3"_qs << u"1"_qs << u"61"_qs << u"29"_qs
                            << false;
        QTest::newRow("89") << 89 << u"4:56p"_qs << u"3"_qs << u"1"_qs << u"89"_qs << u"1"_qs
                            << false;
        QTest::newRow("90 next day")
            << 90 << u"10:00a"_qs << u"1"_qs << u"2"_qs << u"0"_qs << u"90"_qs << false;
        QTest::newRow("121") << 121 << u"12:44p"_qs << u"2"_qs << u"2"_qs << u"31"_qs << u"59"_qs
                             << false;
        QTest::newRow("449") << 449 << u"4:56p"_qs << u"3"_qs << u"5"_qs << u"89"_qs << u"1"_qs
                             << false;
        QTest::newRow("450 time up")
            << 450 << u"10:00a"_qs << u"1"_qs << u"6"_qs << u"0"_qs << u"90"_qs << true;
    }

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void rulesFollowTheDay_data() { clockTable(); }
    void rulesFollowTheDay()
    {
        QFETCH(int, overs);
        QFETCH(QString, time);
        QFETCH(QString, session);
        QFETCH(QString, day);
        QFETCH(QString, today);
        QFETCH(QString, remaining);
        QFETCH(bool, timeUp);
        MatchState state;
        state.ClockHour = 10;
        ClockModel clock;
        for (int i = 0; i < overs; ++i) {
            QVERIFY(!state.TimeUp);
            AdvanceClock(state, clock);
        }
        QCOMPARE(clock.timeCaption(), time);
        QCOMPARE(QString::number(clock.session), session);
        QCOMPARE(QString::number(clock.day), day);
        QCOMPARE(QString::number(clock.overs), today);
        QCOMPARE(QString::number(clock.oversRemaining), remaining);
        QCOMPARE(state.TimeUp, timeUp);
        QCOMPARE(clock.hour, int(state.ClockHour));
        QCOMPARE(clock.minute, int(state.ClockMinute));
    }

    void freshStateWindowShowsTheDesignTimeCaptions()
    {
        TestMatch match;
        QCOMPARE(TestMatch::stateText("lblDay"), u"1"_qs);
        QCOMPARE(TestMatch::stateText("lblTime"), u"10:00a"_qs);
        QCOMPARE(TestMatch::stateText("lblOvers"), u"0"_qs);
        QCOMPARE(TestMatch::stateText("lblOversR"), u"90"_qs);
        QCOMPARE(TestMatch::stateText("lblSession"), u"1"_qs);
        QCOMPARE(MatchWindows::state()->windowTitle(), u"State of Play"_qs);
    }

    // Face 2 never takes a wicket nor draws again, so each roll is exactly one over.
    void rollsThroughTheScorecardMoveTheStateOfPlay_data() { clockTable(); }
    void rollsThroughTheScorecardMoveTheStateOfPlay()
    {
        QFETCH(int, overs);
        QFETCH(QString, time);
        QFETCH(QString, session);
        QFETCH(QString, day);
        QFETCH(QString, today);
        QFETCH(QString, remaining);
        QFETCH(bool, timeUp);
        TestMatch match;
        ScriptedRandom die;
        for (int i = 0; i < overs; ++i) {
            die.push(2);
            TestMatch::roll(1);
        }
        QCOMPARE(die.remaining(), 0);
        QCOMPARE(TestMatch::stateText("lblTime"), time);
        QCOMPARE(TestMatch::stateText("lblSession"), session);
        QCOMPARE(TestMatch::stateText("lblDay"), day);
        QCOMPARE(TestMatch::stateText("lblOvers"), today);
        QCOMPARE(TestMatch::stateText("lblOversR"), remaining);
        QCOMPARE(Globals::matchState().TimeUp, timeUp);
        QCOMPARE(MatchWindows::isResultOpen(), timeUp);
        QCOMPARE(TestMatch::line(1, "lblRuns", 0)->text(), QString::number(2 * overs));
    }

    void anAppealAdvancesTheClockLikeAnyOver()
    {
        TestMatch match;
        // Appeal against KR Dunmore (22): r = 8 is not out, extras draw 2 gives none.
        ScriptedRandom die{5, 8, 2};
        TestMatch::roll(1);
        QCOMPARE(die.remaining(), 0);
        QCOMPARE(TestMatch::stateText("lblTime"), u"10:04a"_qs);
        QCOMPARE(TestMatch::stateText("lblOvers"), u"1"_qs);
    }
};

QTEST_MAIN(tst_Clock)
#include "tst_clock.moc"
