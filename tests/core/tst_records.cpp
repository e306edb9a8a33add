// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "HandMadeMatch.h"
#include "Tables.h"
#include "core/pages/Pages.h"
#include "core/store/CareerStatistics.h"
#include "core/store/MatchRecords.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QList<int> overs(int count, int face)
{
    return QList<int>(count, face);
}

// The rows of a list as "holder figure", the holder left out where there is none, and a
// batsman's side after him as "(A)" or "(B)".
QString shown(const QList<RecordRow> &rows, qsizetype count, const QString &a)
{
    QStringList lines;
    for (const RecordRow &row : rows.mid(0, count)) {
        const QString side =
            row.team == row.holder ? QString() : (row.team == a ? u" (A)"_s : u" (B)"_s);
        lines << (row.holder.isEmpty() ? row.figure : row.holder + u' ' + row.figure) + side;
    }
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
    MatchSession m_session;
    MatchStore *m_store = nullptr;
    QString m_a, m_b;
    qint64 m_drawn = 0;

    MatchSetup sides() const { return handMadeSetup(TeamSource::InBuilt); }

private slots:
    void initTestCase()
    {
        m_session.setStorePath(m_dir.filePath(u"stumpwell.sqlite"_s));
        QVERIFY(m_session.openStore());
        m_store = m_session.store();
        for (int i = 0; i < 5; ++i)
            playHandMadeMatch(m_session, handMadeSetup(TeamSource::PlayerFile));
        m_drawn = playScripted(m_session, handMadeSetup(TeamSource::PlayerFile),
                               overs(9, -5) + overs(10, 4) + overs(1, -5));
        playScripted(m_session, sides(), overs(20, 6) + overs(40, -5));
        m_a = sides().sides[0].team.Name.trimmed();
        m_b = sides().sides[1].team.Name.trimmed();
    }

    // The drawn match's second innings: 430 overs of two runs after the first innings' 20.
    void lists_data() { addRows(u"records"_s); }
    void lists()
    {
        QFETCH(int, which);
        QFETCH(QString, team);
        QFETCH(QString, top);
        const QString named = team == u"A"_s ? m_a : team == u"B"_s ? m_b : QString();
        const QList<RecordRow> rows = MatchRecords(*m_store).list(RecordList(which), named);
        QVERIFY(rows.size() <= 10);
        QString expected = top;
        expected.replace(u"A "_s, m_a + u' ').replace(u"B "_s, m_b + u' ');
        QCOMPARE(shown(rows, top.count(u';') + 1, m_a), expected);
    }

    void partnerships_data() { addRows(u"partnerships"_s); }
    void partnerships()
    {
        QFETCH(int, wicket);
        QFETCH(QString, figure);
        QFETCH(QList<int>, pair);
        const QList<RecordRow> rows = MatchRecords(*m_store).list(RecordList::Partnerships);
        QCOMPARE(rows.size(), 10);
        const MatchSetup setup = sides();
        const auto &names = setup.sides[std::size_t(pair[0])].team.Players;
        QCOMPARE(rows[wicket - 1].figure + u' ' + rows[wicket - 1].holder,
                 figure + u' ' + names[std::size_t(pair[1])].trimmed() + u'/' +
                     names[std::size_t(pair[2])].trimmed());
    }

    void rebuildGivesTheSameBook()
    {
        MatchRecords records(*m_store);
        const QString before = recordsHtml(records.book());
        QVERIFY(before.contains(recordListTitle(RecordList::Partnerships))); // the last list too
        QCOMPARE(CareerStatistics(*m_store).rebuild(), 7);
        QVERIFY(!m_store->rebuildDue());
        QCOMPARE(recordsHtml(records.book()), before);
    }

    void deletedMatchTakesItsRecordsAway()
    {
        QCOMPARE(m_store->deleteMatch(m_drawn), QString());
        MatchRecords records(*m_store);
        QCOMPARE(shown(records.list(RecordList::HighestTotals), 1, m_a), m_a + u" 120"_s);
        QCOMPARE(records.list(RecordList::Partnerships).first().figure, u"120"_s);
    }
};

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
