// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/CompetitionPage.h"
#include "core/competition/LeagueTable.h"
#include "core/competition/RoundRobin.h"
#include "core/competition/SeriesScore.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Matches written as "A-B 300/20 250/18", "d" after them for a draw on time: places A, B, …
// by letter, the first batting first, each side's aggregate and wickets lost.
QList<PlayedMatch> matches(const QStringList &written)
{
    QList<PlayedMatch> played;
    for (const QString &match : written) {
        const QStringList parts = match.split(u' ');
        const auto figure = [&](int part, int which) {
            return parts[part].split(u'/')[which].toInt();
        };
        played.append({{parts[0][0].unicode() - u'A', parts[0][2].unicode() - u'A'},
                       parts.size() < 4,
                       {figure(1, 0), figure(2, 0)},
                       {figure(1, 1), figure(2, 1)}});
    }
    return played;
}

const QStringList Sides{u"A"_s, u"B"_s, u"C"_s, u"D"_s};

} // namespace

// The pure arithmetic of series and leagues: fixtures, table and score.
class tst_Competition : public QObject
{
    Q_OBJECT

    static void roundRobinData()
    {
        QTest::addColumn<int>("sides");
        QTest::addColumn<int>("cycles");
        for (int sides = 3; sides <= 8; ++sides) {
            for (int cycles : {1, 2})
                QTest::addRow("%d sides, %d cycles", sides, cycles) << sides << cycles;
        }
    }

private slots:
    void everyPairMeetsOncePerCycle_data() { roundRobinData(); }
    void everyPairMeetsOncePerCycle()
    {
        QFETCH(int, sides);
        QFETCH(int, cycles);
        QMap<std::pair<int, int>, int> met; // by the two places in the order they toss
        for (const Pairing &pairing : roundRobin(sides, cycles))
            ++met[{pairing.a, pairing.b}];
        for (int a = 0; a < sides; ++a) {
            for (int b = a + 1; b < sides; ++b) {
                QCOMPARE(met.value({a, b}) + met.value({b, a}), cycles);
                // The second time round each side has the other's place.
                if (cycles == 2)
                    QCOMPARE(met.value({a, b}), 1);
            }
        }
    }

    void noSidePlaysTwiceInARound_data() { roundRobinData(); }
    void noSidePlaysTwiceInARound()
    {
        QFETCH(int, sides);
        QFETCH(int, cycles);
        QSet<std::pair<int, int>> busy; // round, place
        int lastRound = 0;
        for (const Pairing &pairing : roundRobin(sides, cycles)) {
            QVERIFY(pairing.round >= lastRound); // in playing order
            lastRound = pairing.round;
            for (int place : {pairing.a, pairing.b}) {
                QVERIFY(!busy.contains({pairing.round, place}));
                busy.insert({pairing.round, place});
            }
        }
        QCOMPARE(lastRound, (sides % 2 ? sides : sides - 1) * cycles);
    }

    // With an odd number one side rests each round, each side once a cycle; else none rests.
    void oddNumberRestsOneSideEachRound_data() { roundRobinData(); }
    void oddNumberRestsOneSideEachRound()
    {
        QFETCH(int, sides);
        QFETCH(int, cycles);
        const QList<Pairing> pairings = roundRobin(sides, cycles);
        const int rounds = pairings.constLast().round;
        QList<int> rests(sides, rounds);
        for (const Pairing &pairing : pairings)
            --rests[pairing.a], --rests[pairing.b];
        QCOMPARE(rests, QList<int>(sides, sides % 2 ? cycles : 0));
    }

    void tableOrdersByPercentageThenRunsPerWicketThenName_data()
    {
        QTest::addColumn<QStringList>("played");
        QTest::addColumn<QString>("order");
        QTest::newRow("win, draw, loss")
            << QStringList{u"A-B 300/20 250/20"_s, u"C-D 200/15 100/12 d"_s} << u"ACDB"_s;
        QTest::newRow("tie; sides yet to play last")
            << QStringList{u"C-D 300/20 300/20"_s} << u"CDAB"_s;
        QTest::newRow("equal percentage, runs per wicket")
            << QStringList{u"A-C 400/20 100/20"_s, u"B-D 250/20 240/20"_s} << u"ABDC"_s;
        QTest::newRow("equal runs per wicket, name")
            << QStringList{u"D-C 300/20 200/20"_s, u"B-A 300/20 200/20"_s} << u"BDAC"_s;
        QTest::newRow("a side that lost no wicket has no figure")
            << QStringList{u"A-B 300/20 100/0 d"_s, u"C-D 200/10 100/10 d"_s} << u"CDAB"_s;
    }
    void tableOrdersByPercentageThenRunsPerWicketThenName()
    {
        QFETCH(QStringList, played);
        QString order;
        for (const TableLine &line : leagueTable(Sides, matches(played)))
            order += line.name;
        QTEST(order, "order");
    }

    // Win 12, tie 6, draw 4, loss 0, of 12 a match contested; runs per wicket for over
    // against.
    void pointsAndPercentage_data()
    {
        QTest::addColumn<QStringList>("played");
        QTest::addColumn<QString>("line"); // A's P W L T D Pts PCT RpW
        QTest::newRow("none") << QStringList{} << u"0 0 0 0 0 0 0.00 -"_s;
        QTest::newRow("win, draw, loss")
            << QStringList{u"A-B 300/20 250/20"_s, u"C-A 200/20 100/12 d"_s, u"D-A 300/20 250/20"_s}
            << u"3 1 1 0 1 16 44.44 1.000"_s;
        QTest::newRow("tie, draw") << QStringList{u"B-A 300/20 300/20"_s, u"A-C 200/20 100/12 d"_s}
                                   << u"2 0 0 1 1 10 41.67 1.000"_s;
        QTest::newRow("batting second and winning")
            << QStringList{u"B-A 300/20 301/20"_s} << u"1 1 0 0 0 12 100.00 1.003"_s;
    }
    void pointsAndPercentage()
    {
        QFETCH(QStringList, played);
        for (const TableLine &line : leagueTable(Sides, matches(played))) {
            if (line.name == u"A"_s)
                QTEST(tableCells(line, 1).mid(2).join(u' '), "line");
        }
    }

    // England are place A, Australia place B; draws and ties count for neither.
    void seriesScoreText_data()
    {
        QTest::addColumn<QStringList>("played");
        QTest::addColumn<int>("tests");
        QTest::addColumn<QString>("score");
        const QString englandWin = u"A-B 300/20 200/20"_s, australiaWin = u"A-B 200/20 300/20"_s,
                      draw = u"B-A 300/20 100/5 d"_s, tie = u"B-A 250/20 250/20"_s;
        QTest::newRow("before the first")
            << QStringList{} << 5 << u"Series level 0-0 with 5 to play"_s;
        QTest::newRow("lead") << QStringList{englandWin, australiaWin, englandWin} << 5
                              << u"England lead 2-1 with 2 to play"_s;
        QTest::newRow("second side leads")
            << QStringList{australiaWin, draw} << 3 << u"Australia lead 1-0 with 1 to play"_s;
        QTest::newRow("level") << QStringList{englandWin, australiaWin} << 5
                               << u"Series level 1-1 with 3 to play"_s;
        QTest::newRow("won") << QStringList{englandWin, australiaWin, englandWin, englandWin, tie}
                             << 5 << u"England win the series 3-1"_s;
        QTest::newRow("won by the second")
            << QStringList{draw, australiaWin} << 2 << u"Australia win the series 1-0"_s;
        QTest::newRow("drawn") << QStringList{englandWin, australiaWin, englandWin, australiaWin}
                               << 4 << u"Series drawn 2-2"_s;
        QTest::newRow("drawn without a win")
            << QStringList{draw, tie, draw} << 3 << u"Series drawn 0-0"_s;
    }
    void seriesScoreText()
    {
        QFETCH(QStringList, played);
        QFETCH(int, tests);
        QTEST(seriesScore({u"England"_s, u"Australia"_s}, seriesWins(matches(played)),
                          tests - int(played.size())),
              "score");
    }

    // A side's or competition's name is text on the page, never markup.
    void pagesEscapeEveryName_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("series") << int(CompetitionKind::Series);
        QTest::newRow("league") << int(CompetitionKind::League);
    }
    void pagesEscapeEveryName()
    {
        QFETCH(int, kind);
        Competition competition;
        competition.kind = CompetitionKind(kind);
        competition.name = u"<i>Cup</i>"_s;
        competition.sides = {{1, u"<b>Kent</b>"_s, false}, {2, u"Surrey & Co"_s, false}};
        competition.fixtures = {Fixture{}};
        competition.fixtures[0].places = {0, 1};
        competition.fixtures[0].played = matches({u"A-B 300/20 200/20"_s}).first(); // Kent win
        const QString page = kind == int(CompetitionKind::Series) ? seriesHtml(competition, {})
                                                                  : leagueHtml(competition, {});
        QVERIFY(!page.contains(u"<b>"_s));
        QVERIFY(!page.contains(u"<i>"_s));
        QVERIFY(page.contains(u"&lt;b&gt;Kent&lt;/b&gt;"_s));
    }
};

QTEST_GUILESS_MAIN(tst_Competition)
#include "tst_competition.moc"
