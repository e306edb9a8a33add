// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "PlayerFileTest.h"
#include "Tables.h"
#include "core/players/BestFiveTotal.h"
#include "core/players/FormatPlayerName.h"
#include "core/players/NewPlayerEntry.h"
#include "core/players/PlayerListEntry.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <csignal>
#include <optional>
#include <set>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

static QByteArray rawRecord(const QByteArray &name, const QByteArray &country, int batting = 40,
                            const QByteArray &flags = QByteArray(4, '\0'))
{
    return name.leftJustified(80) + country.leftJustified(20) + char(batting) + '\0' + flags +
           QByteArray(26, '\0');
}

class tst_Players : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_dir.emplace(); }

    // The header record, then the player's 132 bytes in Windows-1252, flags as 16-bit -1.
    void storesAPlayerByteForByte_data() { addRows(u"captaincy"_s); }
    void storesAPlayerByteForByte()
    {
        QFETCH(int, captain);
        const QByteArray flags = captain ? "\xFF\xFF\0\0"_ba : "\0\0\xFF\xFF"_ba;
        const PlayerRecord record =
            player(u"Andr\u00e9\u00a0\u20ac\u0178", u"South Africa", 255, 0, captain, !captain);
        QVERIFY(PlayerFile().CreateEmpty().ok());
        QCOMPARE(PlayerFile().AppendRecord(record).value, 2);
        QCOMPARE(fileBytes(), QByteArray("Version").leftJustified(80) + QByteArray(20, '\0') +
                                  char(1) + QByteArray(31, '\0') +
                                  rawRecord("Andr\xE9\xA0\x80\x9F", "South Africa", 255, flags));
        QCOMPARE(PlayerFile().ReadRecord(2).value, record);
    }

    void namesGiveShortNameAndListEntry_data() { addRows(u"names"_s); }
    void namesGiveShortNameAndListEntry()
    {
        QFETCH(QString, name);
        QFETCH(QString, entry);
        QTEST(FormatPlayerName(name), "shortName");
        QCOMPARE(PlayerListEntry(name, 32767), entry + QString(50, u' ') + u"32767"_s);
        QCOMPARE(RecordNumberOfEntry(PlayerListEntry(name, 32767)), 32767);
    }

    // Readers of one country trim the name and ignore its case; the counts only trim it.
    void matchesCountriesAsTheReadersDo()
    {
        QByteArray bytes = fileOf({player(u"Ann", u"England")});
        for (const QByteArray &country : {"India"_ba, "  India"_ba, "india"_ba, "Indian"_ba})
            bytes += rawRecord(country, country);
        QVERIFY(writeFile(bytes));
        QCOMPARE(PlayerFile().PlayersOfCountry(u" INDIA ").value.size(), 3);
        QCOMPARE(PlayerFile().CountByCountry().value, (std::array<int, 9>{0, 1, 2}));
    }

    void readsAndAppendsWholeRecordsOnly_data() { addRows(u"wholerecords"_s); }
    void readsAndAppendsWholeRecordsOnly()
    {
        QFETCH(int, players);
        QFETCH(int, tail);
        const QByteArray whole = players < 0
                                     ? QByteArray()
                                     : fileOf(QList<PlayerRecord>(players, player(u"A", u"India")));
        QVERIFY(writeFile(whole + rawRecord("Ghost", "India").left(tail)));
        const int indians = std::max(players, 0);
        QCOMPARE(PlayerFile().CountByCountry().value[2], indians);
        QCOMPARE(PlayerFile().PlayersOfCountry(u"India").value.size(), indians);
        const PlayerRecord added = player(u"New Man", u"England", 66, 5);
        QCOMPARE(PlayerFile().AppendRecord(added).value, indians + 2);
        QCOMPARE(fileBytes(),
                 (whole.isEmpty() ? PlayerRecord::header().toBytes() : whole) + added.toBytes());
    }

    // A folder standing in the file's place: each call fails, and none claims a file cut short;
    // nor does a record the file cannot hold.
    void folderInPlaceOfTheFileIsAFailureOnly_data() { addRows(u"folderfile"_s); }
    void folderInPlaceOfTheFileIsAFailureOnly()
    {
        QFETCH(int, call);
        QVERIFY(QDir().mkdir(FileName));
        const PlayerFile file;
        const auto answer = [](const auto &result) {
            return std::tuple{result.error, result.partialTail,
                              result.value == decltype(result.value){}};
        };
        const auto [error, partialTail, empty] =
            call == 0   ? answer(file.CreateEmpty())
            : call == 1 ? answer(file.RecordCount())
            : call == 2 ? answer(file.ReadRecord(2))
            : call == 3 ? answer(file.CountByCountry())
                        : answer(file.AppendRecord(player(u"\u4e00", u"China")));
        QTEST(error, "error");
        QVERIFY(!partialTail);
        QVERIFY(empty);
    }

    // The five lowest bowling averages, a non-bowler (0) counting as NonBowlerAverage.
    void bestFiveAreTheLowestAverages_data() { addRows(u"bestfive"_s); }
    void bestFiveAreTheLowestAverages()
    {
        QFETCH(QList<int>, averages);
        std::array<int, 11> team{};
        std::copy(averages.begin(), averages.end(), team.begin());
        const std::array<int, 5> rows = BestFiveRows(team);
        for (int row : rows)
            QVERIFY2(row >= 0 && row <= 10, qPrintable(QString::number(row)));
        QCOMPARE(std::set<int>(rows.begin(), rows.end()).size(), 5u);
        QTEST(BestFiveTotal(team), "total");
    }

    // Each cause has its code, and the file is left as it was (read-only: in a child).
    void appendTellsWhyTheFileCannotBeWritten_data() { addRows(u"appendfailures"_s); }
    void appendTellsWhyTheFileCannotBeWritten()
    {
#ifndef Q_OS_LINUX
        QSKIP("needs Linux: file size limits, chattr, unshare and /proc/self/mem");
#else
        QFETCH(int, error);
        const QString cause = QString::fromLatin1(QTest::currentDataTag());
        const QByteArray before = fileOf({{}}) + rawRecord("Ghost", "India").left(100); // a piece
        const QString mounted = qEnvironmentVariable("STUMPWELL_MOUNTED_DIR");
        if (!mounted.isEmpty())
            QVERIFY(QDir::setCurrent(mounted));
        else
            QVERIFY(writeFile(before));
        if (cause == u"read-only file system" && mounted.isEmpty()) // mounted over itself
            return inMountedChild(QDir::currentPath(), u"mount --bind -o ro \"$0\" \"$0\""_s);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &old);
            if (cause == u"immutable file")
                QProcess::execute(u"chattr"_s, {u"-i"_s, FileName});
        });
        if (cause == u"disk full") {
            std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
            const rlimit small{rlim_t(before.size() + 10), old.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        if (cause == u"immutable file" && QProcess::execute(u"chattr"_s, {u"+i"_s, FileName}))
            QSKIP("chattr +i needs a file system with attributes and the right to set them");
        if (cause == u"device error") { // offset 0 of a process's own memory is never mapped
            QVERIFY(QFile::remove(FileName));
            QVERIFY(QFile::link(u"/proc/self/mem"_s, FileName));
        }
        QCOMPARE(PlayerFile().AppendRecord(player(u"New Man", u"England")).error, error);
        if (cause != u"device error")
            QCOMPARE(fileBytes(), before);
#endif
    }

    void refusesAllButPlainDecimalNumbers()
    {
        for (const QString &text :
             {u"   "_s, u"."_s, u"-"_s, u"e3"_s, u"1e"_s, u"1e1.5"_s, u"1.2.3"_s, u"1,5"_s,
              u"1 000"_s, u"inf"_s, u"nan"_s, u"0x1A"_s, u"--1"_s, u"\u0661\u0662"_s})
            QVERIFY2(!entryNumber(text), qPrintable(text));
    }

    void checksTheEntryInOrder_data()
    {
        addRows(u"newplayer"_s);
    }
    void checksTheEntryInOrder()
    {
        QFETCH(QString, entry);
        QFETCH(int, fault);
        QFETCH(QString, shown);
        const QStringList in = entry.split(u'|');
        const EntryCheck check = checkNewPlayer(in[0], in[1], in[2], in[3], false, false);
        QCOMPARE(check.fault, EntryFault(fault));
        QCOMPARE(QStringList({check.name, in[1], check.batting, check.bowling}).join(u'|'), shown);
    }

private:
    std::optional<CurrentTempDir> m_dir;
};

QTEST_MAIN(tst_Players)
#include "tst_players.moc"
