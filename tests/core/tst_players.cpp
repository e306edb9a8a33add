// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "PlayerFileTest.h"
#include "core/players/BestFiveTotal.h"
#include "core/players/FormatPlayerName.h"
#include "core/players/NewPlayerEntry.h"
#include "core/players/PlayerListEntry.h"
#include "core/players/TeamSheet.h"

#include <QTest>
#include <csignal>
#include <optional>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

Q_DECLARE_METATYPE(PlayerRecord)
Q_DECLARE_METATYPE(EntryFault)

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
    void cleanup() { m_dir.reset(); }

    void storesAPlayerByteForByte_data()
    {
        QTest::addColumn<PlayerRecord>("record");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Ann Lee") << player(u"Ann Lee", u"India") << rawRecord("Ann Lee", "India");
        QTest::newRow("captain") << player(u"Kim Ray", u"England", 255, 0, true)
                                 << rawRecord("Kim Ray", "England", 255, "\xFF\xFF\0\0"_ba);
        QTest::newRow("keeper, Windows-1252")
            << player(u"Andr\u00e9 \u20ac\u0178", u"South Africa", 0, 0, false, true)
            << rawRecord("Andr\xE9 \x80\x9F", "South Africa", 0, "\0\0\xFF\xFF"_ba);
    }
    void storesAPlayerByteForByte()
    {
        QFETCH(PlayerRecord, record);
        QFETCH(QByteArray, bytes);
        QVERIFY(PlayerFile().CreateEmpty().ok());
        QCOMPARE(PlayerFile().AppendRecord(record).value, 2);
        QCOMPARE(fileBytes(), QByteArray("Version").leftJustified(80) + QByteArray(20, '\0') +
                                  char(1) + QByteArray(31, '\0') + bytes);
        QCOMPARE(PlayerFile().ReadRecord(2).value, record);
    }

    void matchesCountriesAsTheReadersDo()
    {
        const QList<QByteArray> countries = {"India", "  India", "india", "INDIA ", "Indian"};
        QByteArray bytes = fileOf({player(u"Ann", u"England")});
        for (const QByteArray &country : countries)
            bytes += rawRecord(country, country);
        QVERIFY(writeFile(bytes));
        QCOMPARE(PlayerFile().PlayersOfCountry(u" india ").value.size(), 4);
        QCOMPARE(PlayerFile().CountByCountry().value, (std::array<int, 9>{0, 1, 2}));
        QCOMPARE(PlayerFile().PlayersNamed(u"NDIAN").value.value(0).recordNumber, 7);
    }

    // players -1: not even a header. The tail would read as an Indian player.
    void readsAndAppendsWholeRecordsOnly_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("tail");
        QTest::newRow("one player") << 1 << 0;
        QTest::newRow("empty file") << -1 << 0;
        QTest::newRow("short file") << -1 << 50;
        QTest::newRow("header and a piece") << 0 << 50;
    }
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

    // Only 10 bytes may be written: the record is cut short, the file must come back whole.
    void cutsAShortWriteBack()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs a file size limit (setrlimit)");
#else
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const rlimit small{264 + 10, old.rlim_max};
        for (int tail : {0, 100}) {
            const QByteArray before = fileOf({{}}) + rawRecord("Ghost", "India").left(tail);
            QVERIFY(writeFile(before));
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            const int error = PlayerFile().AppendRecord({}).error;
            setrlimit(RLIMIT_FSIZE, &old);
            QCOMPARE(error, FileError::DiskFull);
            QCOMPARE(fileBytes(), before);
        }
#endif
    }

    void refusesAllButPlainDecimalNumbers()
    {
        for (const QString &text :
             {u"   "_s, u"."_s, u"-"_s, u"e3"_s, u"1e"_s, u"1e1.5"_s, u"1.2.3"_s, u"1,5"_s,
              u"1 000"_s, u"inf"_s, u"nan"_s, u"0x1A"_s, u"\t12"_s, u"--1"_s, u"- 1"_s,
              u"\u0661\u0662"_s, u"\uff11\uff12"_s})
            QVERIFY2(!entryNumber(text), qPrintable(text));
    }

    void namesGiveShortNameAndListEntry()
    {
        for (const auto &[name, shortName, entry] :
             {std::tuple{u"Ann Marie Lee"_s, u"AM Lee"_s, u"Lee, Ann Marie "_s},
              {u"  Ann Lee"_s + QString(71, u' '), u"A Lee"_s, u"Lee, Ann "_s}, // as in the file
              {u"Ann  Marie Lee"_s, u"A M Lee"_s, u"Lee, Ann  Marie "_s},
              {u"ann marie de Villiers"_s, u"amd Villiers"_s, u"Villiers, ann marie de "_s},
              {u"Dunmore"_s, u"Dunmore"_s, u"Dunmore, "_s}}) {
            QCOMPARE(FormatPlayerName(name), shortName);
            QCOMPARE(PlayerListEntry(name, 32767), entry + QString(50, u' ') + u"32767"_s);
            QCOMPARE(RecordNumberOfEntry(PlayerListEntry(name, 32767)), 32767);
        }
    }

    void bestFiveSumsTheLowestWithNonBowlersAsHundred()
    {
        QCOMPARE(BestFiveTotal(std::array<int, 11>{30}), 430);
        QCOMPARE(BestFiveTotal(std::array<int, 11>{70, 65, 60, 55, 50, 45, 40, 35, 30, 25, 20}),
                 150);
        QCOMPARE(
            BestFiveTotal(std::array<int, 11>{150, 200, 255, 101, 0, 120, 130, 140, 160, 170, 180}),
            591);
    }

    void teamSheetRemembersEachPicksRecord()
    {
        TeamSheet sheet;
        QCOMPARE(sheet.add(player(u"Ann Marie Lee", u"India", 38, 30), 7), 0);
        QCOMPARE(sheet.add(player(u"Ann Marie Lee", u"India", 12, 0), 9), 1);
        Side side;
        sheet.writeSide(side, u"India"_s);
        QCOMPARE(side.team.Name.trimmed(), u"India"_s);
        QCOMPARE(side.team.Players[1].trimmed(), u"AM Lee"_s);
        QCOMPARE(side.team.BatAverage[2], 12);
        QCOMPARE(side.origins[1], (PlayerOrigin{7, u"Ann Marie Lee"_s}));
        QCOMPARE(side.origins[2], (PlayerOrigin{9, u"Ann Marie Lee"_s})); // same name, own record
        QCOMPARE(side.origins[3], PlayerOrigin{});
    }

    // name|country|batting|bowling as typed, and as the boxes show it afterwards.
    void checksTheEntryInOrder_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<EntryFault>("fault");
        QTest::addColumn<QString>("shown");
        using enum EntryFault;
        const auto row = [](const char *tag, const QString &entry, EntryFault fault,
                            const QString &shown = {}) {
            QTest::newRow(tag) << entry << fault << (shown.isEmpty() ? entry : shown);
        };
        row("all empty", u"|||"_s, ShortName);
        row("short before code page", u" \u03a9x |||x"_s, ShortName, u"\u03a9x|||x"_s);
        row("code page", u"Ann \u03a9|India|1|1"_s, UnstorableName);
        row("country", u" Ann | |x|x"_s, NoCountry, u"Ann| |x|x"_s);
        row("batting", u"Ann|India||x"_s, BadBatting);
        row("bowling", u"Ann|India|2.5|x"_s, BadBowling);
        row("minus one", u"Ann|India|-1|-1"_s, BadBatting);
        row("256", u"Ann|India|256|0"_s, BadBatting);
        row("1e3 too wide to show", u"Ann|India|1e3|+25E-1"_s, BadBatting, u"Ann|India|1e3|3"_s);
        row("-0.5 away", u"Ann|India|007|-.5"_s, BadBowling, u"Ann|India|7|-1"_s);
        row("12.5 and -0.4", u"Ann|India|12.5|-.4"_s, None, u"Ann|India|13|0"_s);
        row("limits", u"Ann|India|255| +.5 "_s, None, u"Ann|India|255|1"_s);
    }
    void checksTheEntryInOrder()
    {
        QFETCH(QString, entry);
        QFETCH(EntryFault, fault);
        QFETCH(QString, shown);
        const QStringList in = entry.split(u'|');
        const EntryCheck check = checkNewPlayer(in[0], in[1], in[2], in[3], false, false);
        QCOMPARE(check.fault, fault);
        QCOMPARE(QStringList({check.name, in[1], check.batting, check.bowling}).join(u'|'), shown);
    }

private:
    std::optional<CurrentTempDir> m_dir;
};

QTEST_MAIN(tst_Players)
#include "tst_players.moc"
