// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/Competition.h"
#include "core/competition/LeagueTable.h"
#include "core/competition/RoundRobin.h"
#include "core/competition/SeriesScore.h"
#include "core/pages/Pages.h"

#include <QTest>

#include "Tables.h"

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

private slots:
    // Every pair meets once a cycle, the second time with places swapped; no side plays twice
    // in a round; with an odd number one side rests each round, each side once a cycle.
    void roundRobinPairsEverySideFairly_data() { addRows(u"roundrobin"_s); }
    void roundRobinPairsEverySideFairly()
    {
        QFETCH(int, sides);
        QFETCH(int, cycles);
        const QList<Pairing> pairings = roundRobin(sides, cycles);
        QMap<std::pair<int, int>, int> met; // by the two places in the order they toss
        QSet<std::pair<int, int>> busy;     // round, place
        int lastRound = 0;
        QList<int> played(sides, 0);
        for (const Pairing &pairing : pairings) {
            ++met[{pairing.a, pairing.b}];
            QVERIFY(pairing.round >= lastRound); // in playing order
            lastRound = pairing.round;
            for (int place : {pairing.a, pairing.b}) {
                QVERIFY(!busy.contains({pairing.round, place}));
                busy.insert({pairing.round, place});
                ++played[place];
            }
        }
        for (int a = 0; a < sides; ++a) {
            for (int b = a + 1; b < sides; ++b) {
                QCOMPARE(met.value({a, b}) + met.value({b, a}), cycles);
                if (cycles == 2)
                    QCOMPARE(met.value({a, b}), 1);
            }
        }
        QCOMPARE(lastRound, (sides % 2 ? sides : sides - 1) * cycles);
        for (int place = 0; place < sides; ++place) // the rounds it rested
            QCOMPARE(lastRound - played[place], sides % 2 ? cycles : 0);
    }

    void tableOrdersByPercentageThenRunsPerWicketThenName_data() { addRows(u"leagueorder"_s); }
    void tableOrdersByPercentageThenRunsPerWicketThenName()
    {
        QFETCH(QStringList, played);
        QString order;
        for (const TableLine &line : leagueTable(Sides, matches(played)))
            order += line.name;
        QTEST(order, "order");
    }

    void pointsAndPercentage_data() { addRows(u"leaguepoints"_s); }
    void pointsAndPercentage()
    {
        QFETCH(QStringList, played);
        for (const TableLine &line : leagueTable(Sides, matches(played))) {
            if (line.name == u"A"_s)
                QTEST(tableCells(line, 1).mid(2).join(u' '), "line");
        }
    }

    void seriesScoreText_data() { addRows(u"seriesscore"_s); }
    void seriesScoreText()
    {
        QFETCH(QStringList, played);
        QFETCH(int, tests);
        QTEST(seriesScore({u"England"_s, u"Australia"_s}, seriesWins(matches(played)),
                          tests - int(played.size())),
              "score");
    }

    // A side's or competition's name is text on the page, never markup.
    // Mended fault: only the dialogs knew the rules; the store took any competition.
    void rulesOfANewCompetitionSayWhy_data() { addRows(u"competitionrules"_s); }
    void rulesOfANewCompetitionSayWhy()
    {
        QFETCH(QString, kind);
        QFETCH(QString, name);
        QFETCH(QList<int>, sides);
        QFETCH(int, tests);
        QList<CompetitionSide> playing;
        for (const int side : sides)
            playing.append({side, u"Side"_s, false});
        QTEST(kind == u"series" ? CompetitionRules::seriesProblem(name, playing, tests)
                                : CompetitionRules::leagueProblem(name, playing),
              "problem");
    }

    void pagesEscapeEveryName()
    {
        Competition competition;
        competition.name = u"<i>Cup</i>"_s;
        competition.sides = {{1, u"<b>Kent</b>"_s, false}, {2, u"Surrey & Co"_s, false}};
        competition.fixtures = {Fixture{}};
        competition.fixtures[0].places = {0, 1};
        competition.fixtures[0].played = matches({u"A-B 300/20 200/20"_s}).first(); // Kent win
        competition.kind = CompetitionKind::Series;
        const QString series = seriesHtml(competition, {});
        QCOMPARE(competition.leader(), u"<b>Kent</b>"_s);
        competition.kind = CompetitionKind::League;
        for (const QString &page : {series, leagueHtml(competition, {})}) {
            QVERIFY(!page.contains(u"<b>"_s));
            QVERIFY(!page.contains(u"<i>"_s));
            QVERIFY(page.contains(u"&lt;b&gt;Kent&lt;/b&gt;"_s));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Competition)
#include "tst_competition.moc"
