// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "engine/AppealDecision.h"
#include "engine/BallRules.h"
#include "engine/ClockModel.h"
#include "engine/ResultText.h"
#include "engine/RulesMatch.h"

#include "EngineTestMatch.h"

#include <functional>

namespace {

// A scorecard line as "how out|runs|balls|mins|fow", empty figures as empty fields.
QString row(const BattingLine &line)
{
    QStringList fields{line.howOut};
    for (const std::optional<int> &figure : {line.runs, line.balls, line.mins})
        fields << (figure ? QString::number(*figure) : QString());
    return (fields << line.fow).join(u'|');
}

} // namespace

// The rules of the match, played with no window at all.
class tst_Rules : public QObject
{
    Q_OBJECT
    RulesMatch m_match;
    std::function<void()> m_roll = [this] {
        m_match.roll();
    };
    const InningsModel &card(int n) { return m_match.innings(n); }

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
        const QStringList rows{
            u"1 10:04a 1 1 1"_qs,  u"30 12:40p 1 1 30"_qs, u"31 12:44p 2 1 31"_qs,
            u"60 3:00p 2 1 60"_qs, u"61 3:04p 3 1 61"_qs,  u"89 4:56p 3 1 89"_qs,
            u"90 10:00a 1 2 0"_qs, u"449 4:56p 3 5 89"_qs, u"450 10:00a 1 6 0"_qs};
        for (const QString &r : rows)
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
        QTEST(u"%1 %2 %3 %4"_qs.arg(clock.timeCaption())
                  .arg(clock.session)
                  .arg(clock.day)
                  .arg(clock.overs),
              "shown");
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
        for (const auto &[average, limit] : limits) {
            for (int r = 1; r <= 10; ++r)
                QTest::addRow("average %d r %d", average, r) << average << r << (r <= limit);
        }
    }
    void appealFollowsTheBandOfTheAverage()
    {
        QFETCH(int, average);
        QFETCH(int, r);
        ScriptedRandom random{r};
        QTEST(AppealDecision(average), "out");
        QCOMPARE(random.ranges(), QList<int>{10});
        QCOMPARE(random.reseeds(), 1);
    }

    void tablesOfTheDraws()
    {
        const int extras[] = {0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 4, 1, 1, 1, 1};
        for (int r = 1; r <= 20; ++r)
            QVERIFY2(BallRules::extrasForDraw(r) == extras[r - 1], qPrintable(QString::number(r)));
        const QStringList howOut =
            u"Caught ,Caught ,Caught ,Caught ,Bowled,Bowled,Bowled,"
            "Caught & Bowled,Stumped,Caught Behind,Caught Behind,Caught "_qs.split(u',');
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
        for (bool a : {true, false}) {
            for (int face : {1, 3})
                for (int d = 1; d <= 5; ++d)
                    QTest::addRow("face %d d %d %s", face, d, a ? "A" : "B") << face << d << a;
            for (int face : {2, 4, 6})
                QTest::addRow("face %d %s", face, a ? "A" : "B") << face << 0 << a;
        }
    }
    void faceDecidesRunsStrikeBallsAndMinutes()
    {
        QFETCH(int, face);
        QFETCH(int, split);
        QFETCH(bool, aOnStrike);
        MatchState &state = Globals::matchState();
        state.BatsmanA = 4;
        state.BatsmanB = 7;
        state.Striker = aOnStrike ? 4 : 7;
        ScriptedRandom die{face};
        if (split)
            die.push(split);
        m_match.roll();
        QCOMPARE(die.remaining(), 0);
        QCOMPARE(die.reseeds(), split ? 2 : 1);
        const QString runs = QString::number(face);
        // The split goes by the ends, whoever faces; six balls go to the striker.
        const QString a = split ? QString::number(split) : aOnStrike ? u"6"_qs : QString();
        const QString b = split ? QString::number(6 - split) : aOnStrike ? QString() : u"6"_qs;
        QCOMPARE(row(card(1).lines[3]), u"|%1|%2|4|"_qs.arg(aOnStrike ? runs : QString(), a));
        QCOMPARE(row(card(1).lines[6]), u"|%1|%2|4|"_qs.arg(aOnStrike ? QString() : runs, b));
        QCOMPARE(state.Striker == 4, aOnStrike != bool(split));
        QCOMPARE(card(1).markerLine, state.Striker - 1);
        QCOMPARE(card(1).total, face);
        QCOMPARE(m_match.summary().total1, face);
    }

    void dismissalOfBatsmanBStillNamesBatsmanAFirst()
    {
        // Face 1 with split 2 hands the strike to batsman 2 (46), out stumped with r = 4.
        ScriptedRandom die{1, 2, 5, 4, 9, 6};
        m_match.roll();
        m_match.roll();
        const MatchState &state = Globals::matchState();
        QCOMPARE(state.Cards[1].Pair[1].trimmed(), u"Aus 1/Aus 2"_qs);
        QVERIFY(state.BatsmanA == 1 && state.BatsmanB == 3 && state.Striker == 3);
        QCOMPARE(row(card(1).lines[1]), u"Stumped|0|10|8| 1/1"_qs);
    }

    // The over that ends day 5 is played in full; a tenth wicket in it leaves the innings open.
    void lastOverOfDay5_data()
    {
        QTest::addColumn<bool>("tenthWicket");
        QTest::newRow("four") << false;
        QTest::newRow("tenth wicket") << true;
    }
    void lastOverOfDay5()
    {
        QFETCH(bool, tenthWicket);
        ScriptedRandom die;
        repeat(die, 9, {5, 1, 1, 6}, m_roll);
        repeat(die, 440, {2}, m_roll);
        QVERIFY(!m_match.resultOpen());
        repeat(die, 1,
               tenthWicket ? std::initializer_list<int>{5, 1, 1, 6} : std::initializer_list<int>{4},
               m_roll);
        const MatchState &state = Globals::matchState();
        QVERIFY(state.TimeUp);
        QCOMPARE(m_match.resultOpens(), 1);
        QCOMPARE(state.WicketsDown, quint8(tenthWicket ? 10 : 9));
        QCOMPARE(state.CurrentInnings, quint8(1));
        QVERIFY(!m_match.inningsOpen(2));
        QCOMPARE(row(card(1).lines[10]),
                 tenthWicket ? u"Caught |880|2646|1764| 10/880"_qs : u"Not Out|884|2646|1764|"_qs);
        // Later rolls only open the result again. The box keeps its face, so the same text
        // again is no change at all.
        repeat(die, 1, {6}, m_roll);
        QCOMPARE(m_match.resultOpens(), 2);
        QCOMPARE(m_match.summary().total1, tenthWicket ? 880 : 884);
        m_match.setRollText(1, u"3"_qs);
        m_match.setRollText(1, u"3"_qs);
        QCOMPARE(m_match.resultOpens(), 3);
    }

    void verdictFromTheAggregates()
    {
        const auto verdict = [](bool timeUp, qint16 total1, qint16 total2) {
            return resultText(timeUp, total1, total2, u"Australia"_qs, u"England"_qs);
        };
        const QString win = u"I declare the winner of this test match, by  %1 runs : %2"_qs;
        QCOMPARE(verdict(false, 312, 254), win.arg(58).arg(u"Australia"_qs));
        QCOMPARE(verdict(false, 200, 201), win.arg(1).arg(u"England"_qs));
        QCOMPARE(verdict(false, 187, 187), u"This test match has been tied!"_qs);
        const QString draw = u"The time allowed for this match has expired; the innings were not "
                             "completed and the match has been declared a draw"_qs;
        QCOMPARE(verdict(true, 312, 254), draw);
        QCOMPARE(verdict(true, 10, 10), draw);
    }
};

QTEST_MAIN(tst_Rules)
#include "tst_rules.moc"
