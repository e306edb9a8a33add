// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "selection/PlayerListEntry.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
NumberedPlayer player(const QString &name, int recordNumber)
{
    NumberedPlayer numbered;
    numbered.recordNumber = recordNumber;
    numbered.record.PlayerName = name;
    numbered.record.Country = u"India";
    return numbered;
}
} // namespace

class tst_PlayerListEntry : public QObject
{
    Q_OBJECT
private slots:
    void entryIsSurnameCommaGivenNamesGapAndNumber_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("recordNumber");
        QTest::addColumn<QString>("entry");

        const QString gap(50, u' ');
        QTest::newRow("three words")
            << u"Ann Marie Lee"_s << 7 << u"Lee, Ann Marie "_s + gap + u"7"_s;
        QTest::newRow("padded as in the file")
            << u"Ann Lee"_s + QString(73, u' ') << 12 << u"Lee, Ann "_s + gap + u"12"_s;
        QTest::newRow("one word") << u"Dunmore"_s << 32767 << u"Dunmore, "_s + gap + u"32767"_s;
        QTest::newRow("two blanks in a row")
            << u"Ann  Lee"_s << 2 << u"Lee, Ann  "_s + gap + u"2"_s;
    }
    void entryIsSurnameCommaGivenNamesGapAndNumber()
    {
        QFETCH(QString, name);
        QFETCH(int, recordNumber);
        QFETCH(QString, entry);
        QCOMPARE(PlayerListEntry(name, recordNumber), entry);
        QCOMPARE(RecordNumberOfEntry(entry), recordNumber);
    }

    void recordNumberComesFromTheLastTenCharacters_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("recordNumber");

        QTest::newRow("blanks before") << u"Lee, Ann        345"_s << 345;
        QTest::newRow("ten digits are too many for a record") << u"x9999999999"_s << 0;
        QTest::newRow("digits further left are ignored") << u"12          "_s << 0;
        QTest::newRow("no number") << u"Lee, Ann"_s << 0;
        QTest::newRow("empty") << QString() << 0;
    }
    void recordNumberComesFromTheLastTenCharacters()
    {
        QFETCH(QString, entry);
        QFETCH(int, recordNumber);
        QCOMPARE(RecordNumberOfEntry(entry), recordNumber);
    }

    void entriesAreSortedByTheirText()
    {
        const QList<NumberedPlayer> players = {
            player(u"Zed Adams"_s, 2), player(u"Ann Marie Lee"_s, 3),  player(u"Bob Lee"_s, 4),
            player(u"Ann Lee"_s, 5),   player(u"Ann Marie Lee"_s, 10), player(u"Ann deSilva"_s, 6),
            player(u"Dunmore"_s, 7),   player(u"Carl Dunmore"_s, 8),
        };
        const QString gap(50, u' ');
        const QStringList expected = {
            u"Adams, Zed "_s + gap + u"2"_s,
            // Letter case does not push a lower-case surname behind all others.
            u"deSilva, Ann "_s + gap + u"6"_s,
            u"Dunmore, "_s + gap + u"7"_s,
            u"Dunmore, Carl "_s + gap + u"8"_s,
            // Same name: the record numbers compare as text.
            u"Lee, Ann "_s + gap + u"5"_s,
            u"Lee, Ann Marie "_s + gap + u"10"_s,
            u"Lee, Ann Marie "_s + gap + u"3"_s,
            u"Lee, Bob "_s + gap + u"4"_s,
        };
        QCOMPARE(SortedPlayerListEntries(players), expected);
    }

    void letterCaseOnlyBreaksTies()
    {
        QVERIFY(PlayerListEntryLess(u"de Silva, A"_s, u"Dunmore, B"_s));
        QVERIFY(!PlayerListEntryLess(u"Dunmore, B"_s, u"de Silva, A"_s));
        QVERIFY(PlayerListEntryLess(u"LEE, A"_s, u"Lee, A"_s));
        QVERIFY(!PlayerListEntryLess(u"Lee, A"_s, u"LEE, A"_s));
        QVERIFY(!PlayerListEntryLess(u"Lee, A"_s, u"Lee, A"_s));
    }
};

QTEST_MAIN(tst_PlayerListEntry)
#include "tst_playerlistentry.moc"
