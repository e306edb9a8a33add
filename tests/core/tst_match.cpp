// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/AppealDecision.h"
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"

#include "ScriptedRandom.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

MatchSetup inBuiltSetup()
{
    MatchSetup setup;
    setup.sides = inBuiltSides();
    return setup;
}

// A scorecard line as "how out|runs|balls|mins|fow", figures not shown as empty fields.
QString row(const Match &match, int innings, int index)
{
    const BattingLine &line = match.innings(innings).lines[std::size_t(index)];
    QStringList fields{line.howOut};
    for (const std::optional<int> &figure : {line.runs, line.balls, line.mins})
        fields << (figure ? QString::number(*figure) : QString());
    return (fields << line.fow).join(u'|');
}

// A wicket for any average: out on 1, caught, after six balls.
void takeWicket(Match &match, ScriptedRandom &die)
{
    die.push({1, 1, 6});
    match.playOver(5);
}

// Plays a whole match on a seeded source, with appeals `appealShare` of the time.
void playWholeMatch(Match &match, quint32 seed, double appealShare)
{
    std::mt19937 faces(seed);
    std::bernoulli_distribution appeal(appealShare);
    while (!match.isOver()) {
        const int face = appeal(faces) ? 5 : std::array{1, 2, 3, 4, 6}[faces() % 5];
        QVERIFY(match.playOver(face));
    }
}

} // namespace

class tst_Match : public QObject
{
    Q_OBJECT
    ScriptedRandom m_die;
    Match m_match;

private slots:
    void init()
    {
        m_die = ScriptedRandom();
        m_match.start(inBuiltSetup(), m_die);
    }

    void startsWithInnings1OfTheFirstSide()
    {
        QCOMPARE(m_match.currentInnings(), 1);
        QCOMPARE(m_match.innings(1).caption, u"Australia - 1st Innings"_s);
        QCOMPARE(m_match.innings(1).lines[2].name.trimmed(), u"DL Brindle"_s);
        QCOMPARE(row(m_match, 1, 0), u"Not Out|0|0|0|"_s);
        QCOMPARE(row(m_match, 1, 2), u"||||"_s);
        QCOMPARE(m_match.clock().timeCaption(), u"10:00a"_s);
        QCOMPARE(m_match.summary().team2, u"England"_s);
        QCOMPARE(m_match.highlights(), u"Match Highlights"_s);
        QVERIFY(!m_match.inningsOpen(2));
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
        QCOMPARE(state.TimeUp, overs == 450);
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
            for (int r = limit; r <= limit + 1 && r <= 10; ++r)
                QTest::addRow("average %d r %d", average, r) << average << r << (r <= limit);
    }
    void appealFollowsTheBandOfTheAverage()
    {
        QFETCH(int, average);
        QFETCH(int, r);
        ScriptedRandom random{r};
        QTEST(AppealDecision(average, random), "out");
        QCOMPARE(random.ranges(), QList<int>{10});
    }

    // "1/3 2": an over of 1 with the draw 3, then an over of 2.
    void runsGoToTheStrikerAndBallsByTheEnds_data()
    {
        QTest::addColumn<QString>("overs");
        QTest::addColumn<QString>("batsmen"); // lines 1 and 2
        QTest::addColumn<int>("facing");      // marker line
        QTest::newRow("two") << u"2"_s << u"Not Out|2|6|4| Not Out|0|0|4|"_s << 0;
        QTest::newRow("six") << u"6"_s << u"Not Out|6|6|4| Not Out|0|0|4|"_s << 0;
        QTest::newRow("one, split 2") << u"1/2"_s << u"Not Out|1|2|4| Not Out|0|4|4|"_s << 1;
        QTest::newRow("three, split 5") << u"3/5"_s << u"Not Out|3|5|4| Not Out|0|1|4|"_s << 1;
        QTest::newRow("B faces a four") << u"1/3 4"_s << u"Not Out|1|3|8| Not Out|4|9|8|"_s << 1;
        QTest::newRow("split by the ends when B faces")
            << u"1/3 3/1"_s << u"Not Out|1|4|8| Not Out|3|8|8|"_s << 0;
    }
    void runsGoToTheStrikerAndBallsByTheEnds()
    {
        QFETCH(QString, overs);
        int runs = 0;
        for (const QString &over : overs.split(u' ')) {
            if (over.contains(u'/'))
                m_die.push(over.section(u'/', 1).toInt());
            runs += over.section(u'/', 0, 0).toInt();
            QVERIFY(m_match.playOver(over.section(u'/', 0, 0).toInt()));
        }
        QCOMPARE(m_die.remaining(), 0);
        QTEST(row(m_match, 1, 0) + u' ' + row(m_match, 1, 1), "batsmen");
        QTEST(m_match.innings(1).markerLine, "facing");
        QCOMPARE(m_match.innings(1).total, runs);
        QCOMPARE(m_match.summary().total1, runs);
    }

    void notOutAppealGivesExtras_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("extras");
        const std::pair<int, int> rows[] = {{3, 0},  {4, 1},  {11, 1}, {12, 2}, {14, 2},
                                            {15, 3}, {16, 4}, {17, 1}, {20, 1}};
        for (const auto &[r, extras] : rows)
            QTest::addRow("draw %d", r) << r << extras;
    }
    void notOutAppealGivesExtras()
    {
        QFETCH(int, r);
        QFETCH(int, extras);
        m_die.push({8, r}); // KR Dunmore (22) survives an 8
        QVERIFY(m_match.playOver(5));
        QCOMPARE(m_match.innings(1).extras, extras);
        QCOMPARE(m_match.innings(1).total, extras);
        QCOMPARE(m_match.summary().innings[1], extras);
        QCOMPARE(row(m_match, 1, 0), u"Not Out|0|0|0|"_s);
        QCOMPARE(m_match.highlights(), u"An appeal is made against KR Dunmore and he is given NOT "
                                       "OUT!\r\nMatch Highlights"_s);
    }

    void wicketFallsWithHowOutAndTheNextManIn_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("balls");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("in");
        QTest::newRow("caught first ball")
            << 1 << 1 << u"Caught |0|1|1| 1/0"_s << u"Not Out|0|5|3|"_s;
        QTest::newRow("bowled") << 7 << 3 << u"Bowled|0|3|2| 1/0"_s << u"Not Out|0|3|2|"_s;
        QTest::newRow("caught and bowled")
            << 8 << 4 << u"Caught & Bowled|0|4|3| 1/0"_s << u"Not Out|0|2|1|"_s;
        QTest::newRow("stumped") << 9 << 5 << u"Stumped|0|5|3| 1/0"_s << u"Not Out|0|1|1|"_s;
        QTest::newRow("caught behind, last ball")
            << 11 << 6 << u"Caught Behind|0|6|4| 1/0"_s << u"Not Out|0|0|0|"_s;
        QTest::newRow("caught, draw 12")
            << 12 << 2 << u"Caught |0|2|2| 1/0"_s << u"Not Out|0|4|2|"_s;
    }
    void wicketFallsWithHowOutAndTheNextManIn()
    {
        QFETCH(int, kind);
        QFETCH(int, balls);
        m_die.push({1, kind, balls});
        QVERIFY(m_match.playOver(5));
        QTEST(row(m_match, 1, 0), "out");
        QTEST(row(m_match, 1, 2), "in");
        QCOMPARE(row(m_match, 1, 1), u"Not Out|0|0|4|"_s); // the partner batted the whole over
        QCOMPARE(m_match.innings(1).lines[0].nameColour, m_match.state().Team1.OutColour);
        QCOMPARE(m_match.state().Cards[1].Pair[1].trimmed(), u"KR Dunmore/PJ Ashgrove"_s);
        QCOMPARE(m_match.innings(1).totalLineCaption(), u"Total for the loss of 1 wickets:"_s);
        QCOMPARE(m_match.innings(1).markerLine, 2);
        QCOMPARE(m_match.highlights().section(u"\r\n"_s, 0, 0),
                 u"An appeal is made against KR Dunmore and he is given out!"_s);
    }

    void tenthWicketOpensTheNextInnings()
    {
        QSignalSpy started(&m_match, &Match::inningsStarted);
        m_die.push({2});
        m_match.playOver(3); // the striker moves to line 2
        for (int w = 0; w < 10; ++w)
            takeWicket(m_match, m_die);
        QCOMPARE(m_match.currentInnings(), 2);
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0).at(0).toInt(), 2);
        QVERIFY(!m_match.innings(1).rollEnabled);
        QCOMPARE(m_match.innings(1).markerLine, 0); // the closed card marks number 1 again
        QCOMPARE(m_match.innings(2).caption, u"England - 1st Innings"_s);
        QCOMPARE(m_match.state().Striker, 1);
        QCOMPARE(m_match.state().Cards[1].FOW[10], 3);
    }

    void fortiethWicketEndsTheMatch()
    {
        QSignalSpy result(&m_match, &Match::resultReached);
        m_die.push(4);
        m_match.playOver(1); // a single for the first side
        for (int w = 0; w < 40; ++w)
            takeWicket(m_match, m_die);
        QCOMPARE(m_match.currentInnings(), 5);
        QCOMPARE(result.count(), 1);
        QVERIFY(m_match.isOver());
        QVERIFY(!m_match.playOver(2));
        QCOMPARE(m_match.resultText(),
                 u"I declare the winner of this test match, by  1 runs : Australia"_s);
    }

    // The over that ends day 5 is played in full; a tenth wicket in it leaves the innings open.
    void lastOverOfDay5_data()
    {
        QTest::addColumn<bool>("tenthWicket");
        QTest::newRow("runs") << false;
        QTest::newRow("tenth wicket") << true;
    }
    void lastOverOfDay5()
    {
        QFETCH(bool, tenthWicket);
        for (int w = 0; w < 9; ++w)
            takeWicket(m_match, m_die);
        for (int over = 0; over < 440; ++over)
            m_match.playOver(2);
        QVERIFY(!m_match.isOver());
        QSignalSpy result(&m_match, &Match::resultReached);
        tenthWicket ? takeWicket(m_match, m_die) : void(m_match.playOver(4));
        QCOMPARE(result.count(), 1);
        QVERIFY(m_match.state().TimeUp);
        QCOMPARE(m_match.currentInnings(), 1);
        QCOMPARE(m_match.state().WicketsDown, tenthWicket ? 10 : 9);
        QCOMPARE(row(m_match, 1, 10),
                 tenthWicket ? u"Caught |880|2646|1764| 10/880"_s : u"Not Out|884|2646|1764|"_s);
        QCOMPARE(m_match.resultText(),
                 u"The time allowed for this match has expired; the innings were not completed "
                 "and the match has been declared a draw"_s);
        QVERIFY(!m_match.playOver(1));
    }

    void replayGivesTheIdenticalMatch_data()
    {
        QTest::addColumn<double>("appeals");
        QTest::addColumn<bool>("timeUp");
        QTest::newRow("all out") << 0.6 << false;
        QTest::newRow("time up") << 0.1 << true;
    }
    void replayGivesTheIdenticalMatch()
    {
        QFETCH(double, appeals);
        const quint32 seed = testSeed(20261207u);
        SeededRandom live(seed);
        Match played;
        played.start(inBuiltSetup(), live);
        playWholeMatch(played, seed, appeals);
        QTEST(played.state().TimeUp, "timeUp");

        Match replayed;
        QSignalSpy highlights(&replayed, &Match::highlightAdded);
        QCOMPARE(replayed.replay(played.log(), live), QString());
        QCOMPARE(replayed.log(), played.log());
        QCOMPARE(replayed.state(), played.state());
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(replayed.inningsOpen(n), played.inningsOpen(n));
            if (played.inningsOpen(n))
                QCOMPARE(replayed.innings(n), played.innings(n));
        }
        QCOMPARE(replayed.clock(), played.clock());
        QCOMPARE(replayed.summary(), played.summary());
        QCOMPARE(replayed.highlights(), played.highlights());
        QCOMPARE(highlights.count(), 0); // views open on the replayed match
        QCOMPARE(replayed.resultText(), played.resultText());
    }

    void damagedLogIsRefused_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<QString>("error");
        QTest::newRow("face 0") << 0 << u"over 2 has a die face of 0"_s;
        QTest::newRow("face 7") << 1 << u"over 2 has a die face of 7"_s;
        QTest::newRow("draw missing") << 2
                                      << u"over 3: a draw from 1 to 20 was asked for but "
                                         "none was recorded"_s;
        QTest::newRow("draw out of range") << 3
                                           << u"over 1: a recorded draw of 6 is outside "
                                              "1 to 5"_s;
        QTest::newRow("draw too many") << 4 << u"over 2 has more draws recorded than it took"_s;
        QTest::newRow("counts off") << 5 << u"the draws recorded do not add up to its overs"_s;
        QTest::newRow("over after the result") << 6 << u"over 44 comes after the result"_s;
    }
    void damagedLogIsRefused()
    {
        QFETCH(int, damage);
        // 1 (split 2), 2, appeal not out (8, extras 16).
        m_die.push({2, 8, 16});
        for (int face : {1, 2, 5})
            m_match.playOver(face);
        MatchLog log = m_match.log();
        switch (damage) {
        case 0:
        case 1:
            log.faces[1] = quint8(damage * 7);
            break;
        case 2:
            log.draws.pop_back();
            log.drawCounts[2] = 1;
            break;
        case 3:
            log.draws[0] = 6;
            break;
        case 4:
            log.draws.insert(log.draws.begin() + 1, 1);
            log.drawCounts[1] = 1;
            break;
        case 5:
            log.drawCounts[0] = 2;
            break;
        case 6:
            for (int w = 0; w < 40; ++w)
                takeWicket(m_match, m_die);
            log = m_match.log();
            log.faces.push_back(2);
            log.drawCounts.push_back(0);
            break;
        }
        Match replayed;
        QTEST(replayed.replay(log, m_die), "error");
    }

    void tossPutsTheSideBattingFirstInFront_data()
    {
        QTest::addColumn<int>("coin");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("first");
        // England, second, calls heads.
        QTest::newRow("caller wins, bats") << TossRules::Heads << 0 << u"England"_s;
        QTest::newRow("caller wins, bowls") << TossRules::Heads << 1 << u"Australia"_s;
        QTest::newRow("tosser wins, bats") << TossRules::Tails << 0 << u"Australia"_s;
        QTest::newRow("tosser wins, bowls") << TossRules::Tails << 1 << u"England"_s;
    }
    void tossPutsTheSideBattingFirstInFront()
    {
        QFETCH(int, coin);
        QFETCH(int, choice);
        std::array<Side, 2> sides = inBuiltSides();
        ScriptedRandom flip{coin};
        const int flipped = TossRules::flipCoin(flip);
        const bool won = TossRules::callerWon(TossRules::Call::Heads, flipped);
        TossRules::applyChoice(sides, won, TossRules::Choice(choice));
        QTEST(sides[0].team.Name.trimmed(), "first");
        QCOMPARE(flip.ranges(), QList<int>{2});
    }
};

QTEST_MAIN(tst_Match)
#include "tst_match.moc"
