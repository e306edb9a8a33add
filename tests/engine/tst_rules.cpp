// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "engine/AppealDecision.h"
#include "engine/BallRules.h"
#include "engine/ClockModel.h"
#include "engine/ResultText.h"
#include "engine/RulesMatch.h"

#include "EngineTestMatch.h"

#include <functional>

// The rules of the match, played with no window at all.
class tst_Rules : public QObject
{
    Q_OBJECT
    RulesMatch m_match;
    void roll() { m_match.roll(); }
    // A scorecard line as "how out|runs|balls|mins|fow", empty figures as empty fields.
    QString row(int index)
    {
        const BattingLine &line = m_match.innings(1).lines[std::size_t(index)];
        QStringList fields{line.howOut};
        for (const std::optional<int> &figure : {line.runs, line.balls, line.mins})
            fields << (figure ? QString::number(*figure) : QString());
        return (fields << line.fow).join(u'|');
    }

private slots:
    void init()
    {
        fillTeams(Globals::matchState());
        m_match.start();
    }

    void clockFollowsTheDay_data()
    {
        QTest::addColumn<int>("overs");
        QTest::addColumn<QString>("shown"); // time, session, day, overs today
        for (const QString &r : {u"1 10:04a 1 1 1"_s, u"30 12:40p 1 1 30"_s, u"31 12:44p 2 1 31"_s,
                                 u"60 3:00p 2 1 60"_s, u"61 3:04p 3 1 61"_s, u"90 10:00a 1 2 0"_s,
                                 u"449 4:56p 3 5 89"_s, u"450 10:00a 1 6 0"_s})
            QTest::newRow(qPrintable(r)) << r.section(u' ', 0, 0).toInt() << r.section(u' ', 1);
    }
    void clockFollowsTheDay()
    {
        QFETCH(int, overs);
        MatchState state;
        state.ClockHour = 10;
        ClockModel clock;
        for (int i = 0; i < overs; ++i)
            AdvanceClock(state, clock);
        const auto shown = u"%1 %2 %3 %4"_s.arg(clock.timeCaption()).arg(clock.session);
        QTEST(shown.arg(clock.day).arg(clock.overs), "shown");
        QCOMPARE(clock.oversRemaining, 90 - clock.overs);
        QCOMPARE(bool(state.TimeUp), overs == 450);
    }

    void appealFollowsTheBandOfTheAverage_data()
    {
        QTest::addColumn<int>("average");
        QTest::addColumn<int>("r");
        QTest::addColumn<bool>("out");
        // The highest r still given out, per average.
        const std::pair<int, int> limits[] = {{0, 10}, {9, 10}, {10, 9}, {29, 7}, {30, 5},
                                              {39, 5}, {40, 4}, {49, 4}, {50, 3}, {255, 3}};
        for (const auto &[average, limit] : limits)
            for (int r = 1; r <= 10; ++r)
                QTest::addRow("average %d r %d", average, r) << average << r << (r <= limit);
    }
    void appealFollowsTheBandOfTheAverage()
    {
        QFETCH(int, average);
        QFETCH(int, r);
        ScriptedRandom random{r};
        QTEST(AppealDecision(average), "out");
        QVERIFY(random.ranges() == QList<int>{10} && random.reseeds() == 1);
    }

    void tablesOfTheDraws()
    {
        const int extras[] = {0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 4, 1, 1, 1, 1};
        for (int r = 1; r <= 20; ++r)
            QVERIFY2(BallRules::extrasForDraw(r) == extras[r - 1], qPrintable(QString::number(r)));
        const QStringList howOut =
            u"Caught ,Caught ,Caught ,Caught ,Bowled,Bowled,Bowled,"
            "Caught & Bowled,Stumped,Caught Behind,Caught Behind,Caught "_s.split(u',');
        for (int k = 1; k <= 12; ++k)
            QCOMPARE(BallRules::dismissalCaption(k), howOut[k - 1]);
        const int minutes[] = {1, 2, 2, 3, 3, 4};
        for (int b = 1; b <= 6; ++b)
            QCOMPARE(BallRules::minutesForBalls(b), minutes[b - 1]);
    }

    // Batsmen 4 and 7 at the crease, either on strike, every face and every split.
    void faceDecidesRunsStrikeBallsAndMinutes_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("split");
        QTest::addColumn<bool>("aOnStrike");
        for (bool a : {true, false})
            for (int face : {1, 2, 3, 4, 6})
                for (int d = face % 2 ? 1 : 0; d <= (face % 2 ? 5 : 0); ++d)
                    QTest::addRow("face %d d %d %s", face, d, a ? "A" : "B") << face << d << a;
    }
    void faceDecidesRunsStrikeBallsAndMinutes()
    {
        QFETCH(int, face);
        QFETCH(int, split);
        QFETCH(bool, aOnStrike);
        MatchState &state = Globals::matchState();
        state.BatsmanA = 4, state.BatsmanB = 7, state.Striker = aOnStrike ? 4 : 7;
        ScriptedRandom die{face};
        if (split)
            die.push(split);
        roll();
        QVERIFY(die.remaining() == 0 && die.reseeds() == (split ? 2 : 1));
        const QString runs = QString::number(face);
        // The split goes by the ends, whoever faces; six balls go to the striker.
        const QString a = split ? QString::number(split) : aOnStrike ? u"6"_s : QString();
        const QString b = split ? QString::number(6 - split) : aOnStrike ? QString() : u"6"_s;
        QCOMPARE(row(3) + u' ' + row(6),
                 u"|%1|%2|4| |%3|%4|4|"_s.arg(aOnStrike ? runs : QString(), a,
                                              aOnStrike ? QString() : runs, b));
        QCOMPARE(state.Striker == 4, aOnStrike != bool(split));
        QCOMPARE(m_match.innings(1).markerLine, state.Striker - 1);
        QVERIFY(m_match.innings(1).total == face && m_match.summary().total1 == face);
    }

    // The over that ends day 5 is played in full; a tenth wicket in it leaves the innings open.
    void lastOverOfDay5()
    {
        for (bool tenthWicket : {false, true}) {
            init();
            ScriptedRandom die;
            const auto rollOnce = std::bind(&RulesMatch::roll, &m_match);
            repeat(die, 9, {5, 1, 1, 6}, rollOnce);
            repeat(die, 440, {2}, rollOnce);
            QVERIFY(!m_match.resultOpen());
            tenthWicket ? die.push({5, 1, 1, 6}) : die.push(4);
            roll();
            const MatchState &state = Globals::matchState();
            QVERIFY(state.TimeUp && state.CurrentInnings == 1 && !m_match.inningsOpen(2));
            QCOMPARE(m_match.resultOpens(), 1);
            QCOMPARE(state.WicketsDown, quint8(tenthWicket ? 10 : 9));
            QCOMPARE(row(10), tenthWicket ? u"Caught |880|2646|1764| 10/880"_s
                                          : u"Not Out|884|2646|1764|"_s);
            // Later rolls only open the result again; the same face again in the box is no change.
            repeat(die, 1, {6}, rollOnce);
            QCOMPARE(m_match.resultOpens(), 2);
            QCOMPARE(m_match.summary().total1, tenthWicket ? 880 : 884);
            m_match.setRollText(1, u"3"_s);
            m_match.setRollText(1, u"3"_s);
            QCOMPARE(m_match.resultOpens(), 3);
        }
    }

    void verdictFromTheAggregates()
    {
        const auto verdict = [](bool timeUp, qint16 total1, qint16 total2) {
            return resultText(timeUp, total1, total2, u"Australia"_s, u"England"_s);
        };
        const QString win = u"I declare the winner of this test match, by  %1 runs : %2"_s;
        QCOMPARE(verdict(false, 312, 254), win.arg(58).arg(u"Australia"_s));
        QCOMPARE(verdict(false, 200, 201), win.arg(1).arg(u"England"_s));
        QCOMPARE(verdict(false, 187, 187), u"This test match has been tied!"_s);
        // Time up is a draw whatever the totals (its exact text is on the result window).
        QCOMPARE(verdict(true, 10, 10), verdict(true, 312, 254));
        QVERIFY(verdict(true, 10, 10).startsWith(u"The time allowed for this match has expired"_s));
    }
};

QTEST_MAIN(tst_Rules)
#include "tst_rules.moc"
