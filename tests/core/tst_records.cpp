// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "HandMadeMatch.h"
#include "core/store/MatchRecords.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// A match of the given innings, saved and finished as the game does. Each innings is a list of
// overs: a face of 2, 4 or 6 scores it, 0 is a wicket (bowled); an innings without its tenth
// wicket is played until time runs out.
qint64 playMatch(MatchStore &store, TeamSource source, const QList<QList<int>> &innings)
{
    Match match;
    ScriptedRandom random;
    const MatchSetup setup = handMadeSetup(source);
    match.start(setup, random);
    const qint64 id = store.beginMatch(setup, u"Human v Human"_s);
    QObject saving;
    QObject::connect(&match, &Match::overLogged, &saving,
                     [&](int index) { store.appendOver(id, match.log(), index); });
    for (const QList<int> &overs : innings) {
        for (const int over : overs) {
            if (over == 0)
                random.push({1, 5, 6});
            match.playOver(over == 0 ? 5 : over);
        }
    }
    while (!match.isOver())
        match.playOver(2);
    CareerStatistics(store).finish(id, match);
    return id;
}

QList<int> overs(int count, int face)
{
    return QList<int>(count, face);
}

// The rows of a list as "holder figure", the holder left out where there is none.
QString shown(const QList<RecordRow> &rows, qsizetype count)
{
    QStringList lines;
    for (const RecordRow &row : rows.mid(0, count))
        lines << (row.holder.isEmpty() ? row.figure : row.holder + u' ' + row.figure);
    return lines.join(u';');
}

} // namespace

// Every list of the book on matches whose every ball is known. The side batting first (A)
// wins five hand-made matches (102 and 6 all out against 0 and 0; John Smith 102 and 6); then
// a drawn match: A 40 all out, number 11 (Player 12) making all 40 with number 2 for the tenth
// wicket, then B's number 1 (the other John Smith) scores every run until time runs out; then
// an in-built match: A 120 all out (all to number 1), the rest all out for 0.
class tst_Records : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<MatchStore> m_store;
    QString m_a, m_b;
    qint64 m_drawn = 0;

    MatchSetup sides() const { return handMadeSetup(TeamSource::InBuilt); }

private slots:
    void initTestCase()
    {
        m_store = std::make_unique<MatchStore>(m_dir.filePath(u"stumpwell.sqlite"_s));
        QVERIFY2(m_store->open(), qPrintable(m_store->problem()));
        for (int i = 0; i < 5; ++i) {
            Match match;
            playHandMadeMatch(*m_store, match, handMadeSetup(TeamSource::PlayerFile));
        }
        m_drawn = playMatch(*m_store, TeamSource::PlayerFile,
                            {overs(9, 0) + overs(10, 4) + QList<int>{0}});
        playMatch(*m_store, TeamSource::InBuilt,
                  {overs(20, 6) + overs(10, 0), overs(10, 0), overs(10, 0), overs(10, 0)});
        m_a = sides().sides[0].team.Name.trimmed();
        m_b = sides().sides[1].team.Name.trimmed();
    }

    // The drawn match's second innings: 430 overs of two runs after the first innings' 20.
    void lists_data()
    {
        QTest::addColumn<RecordList>("which");
        QTest::addColumn<QString>("team");
        QTest::addColumn<QString>("top");
        QTest::newRow("highest totals, not all out")
            << RecordList::HighestTotals << u""_s << u"B 860/0;A 120;A 102;A 102"_s;
        QTest::newRow("lowest all out, one team")
            << RecordList::LowestTotals << u"A"_s << u"A 0;A 6;A 6;A 6;A 6;A 6;A 40"_s;
        QTest::newRow("wins, not the draw")
            << RecordList::LargestWins << u""_s << u"A 120 runs;A 108 runs;A 108 runs"_s;
        QTest::newRow("aggregates") << RecordList::HighestAggregates << u""_s << u"900;120;108"_s;
        // The in-built match's 120 counts for its team only.
        QTest::newRow("scores, not out first")
            << RecordList::HighestScores << u""_s
            << u"John Smith 860*;John Smith 102;John Smith 102;John Smith 102;John Smith 102;"
               "John Smith 102;Player 12 40;John Smith 6"_s;
        QTest::newRow("runs in a match") << RecordList::MostRunsInMatch << u""_s
                                         << u"John Smith 860;John Smith 108;John Smith 108"_s;
        QTest::newRow("hundreds") << RecordList::MostHundreds << u""_s
                                  << u"John Smith 5;John Smith 1"_s;
        QTest::newRow("average, ten innings")
            << RecordList::HighestAverage << u""_s
            << u"John Smith 86.00;John Smith 49.09;Player 12 3.64"_s;
        QTest::newRow("ducks, ties by record")
            << RecordList::MostDucks << u""_s << u"Player 4 11;Player 5 11;Player 6 11"_s;
        QTest::newRow("hundreds, one team")
            << RecordList::MostHundreds << u"B"_s << u"John Smith 1"_s;
    }
    void lists()
    {
        QFETCH(RecordList, which);
        QFETCH(QString, team);
        QFETCH(QString, top);
        const QString named = team == u"A"_s ? m_a : team == u"B"_s ? m_b : QString();
        const QList<RecordRow> rows = MatchRecords(*m_store).list(which, named);
        const qsizetype count = top.count(u';') + 1;
        QString expected = top;
        expected.replace(u"A "_s, m_a + u' ').replace(u"B "_s, m_b + u' ');
        QCOMPARE(shown(rows, count), expected);
    }

    void tiesListTheEarlierMatchFirst()
    {
        const QList<RecordRow> rows = MatchRecords(*m_store).list(RecordList::HighestScores);
        QList<qint64> hundreds;
        for (const RecordRow &row : rows) {
            if (row.figure == u"102"_s)
                hundreds << row.match;
        }
        QCOMPARE(hundreds.size(), 5);
        QVERIFY(std::is_sorted(hundreds.begin(), hundreds.end()));
    }

    // First wicket: unbroken when time ran out; the tenth: number 11 with number 2.
    void partnerships_data()
    {
        QTest::addColumn<int>("wicket");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("1st") << 1 << u"860*"_s << 1 << 1 << 2;
        QTest::newRow("2nd") << 2 << u"0"_s << 0 << 3 << 2;
        QTest::newRow("10th") << 10 << u"40"_s << 0 << 11 << 2;
    }
    void partnerships()
    {
        QFETCH(int, wicket);
        QFETCH(QString, figure);
        QFETCH(int, side);
        QFETCH(int, first);
        QFETCH(int, second);
        const QList<RecordRow> rows = MatchRecords(*m_store).list(RecordList::Partnerships);
        QCOMPARE(rows.size(), 10);
        const RecordRow &row = rows[wicket - 1];
        const TeamRecord &team = sides().sides[std::size_t(side)].team;
        QCOMPARE(row.wicket, wicket);
        QCOMPARE(row.figure + u' ' + row.holder,
                 figure + u' ' + team.Players[std::size_t(first)].trimmed() + u'/' +
                     team.Players[std::size_t(second)].trimmed());
    }

    void rebuildGivesTheSameBook()
    {
        MatchRecords records(*m_store);
        const QString before = recordsHtml(records);
        QCOMPARE(CareerStatistics(*m_store).rebuild(), 7);
        QCOMPARE(recordsHtml(records), before);
    }

    void deletedMatchTakesItsRecordsAway()
    {
        QVERIFY(m_store->deleteMatch(m_drawn));
        MatchRecords records(*m_store);
        QCOMPARE(shown(records.list(RecordList::HighestTotals), 1), m_a + u" 120"_s);
        QCOMPARE(records.list(RecordList::Partnerships).first().figure, u"120"_s);
    }

    void pageEscapesItsText()
    {
        MatchRecords records(*m_store);
        QVERIFY(recordsHtml(records, u"<b>"_s).contains(u"Records: &lt;b&gt;"_s));
    }
};

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
