// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "database/PlayerFile.h"
#include "database/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <numeric>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {
const QString FileName = QStringLiteral("Basic.kdt");

PlayerRecord player(QStringView name, QStringView country, int batting = 40, int bowling = 0,
                    bool captain = false, bool keeper = false)
{
    PlayerRecord record;
    record.PlayerName = name;
    record.Country = country;
    record.BattingAverage = quint8(batting);
    record.BowlingAverage = quint8(bowling);
    record.CaptainExperience = captain;
    record.KeeperExperience = keeper;
    return record;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A header and the given players, as the program writes them.
QByteArray fileOf(const QList<PlayerRecord> &players)
{
    QByteArray bytes = PlayerRecord::header().toBytes();
    for (const PlayerRecord &record : players)
        bytes += record.toBytes();
    return bytes;
}

// A record with a country written by some other program.
QByteArray rawRecord(const QByteArray &name, const QByteArray &country)
{
    QByteArray bytes(132, '\0');
    bytes.replace(0, 80, name.leftJustified(80, ' '));
    bytes.replace(80, 20, country.leftJustified(20, ' '));
    bytes[100] = char(50);
    return bytes;
}

QByteArray fill(int length, char byte)
{
    return QByteArray(length, byte);
}
} // namespace

class tst_PlayerFile : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_oldDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
    }
    void cleanup()
    {
        QDir::setCurrent(m_oldDir);
        m_dir.reset();
    }

    void createEmptyWritesTheHeaderByteForByte()
    {
        QVERIFY(PlayerFile().CreateEmpty().ok());
        QByteArray expected = QByteArray("Version") + fill(73, ' ') + fill(20, '\0');
        expected += char(1);
        expected += fill(31, '\0');
        QCOMPARE(bytesOf(FileName), expected);
        QCOMPARE(PlayerFile().RecordCount().value, 1);
    }

    void storesAnnLeeByteForByte()
    {
        QVERIFY(PlayerFile().CreateEmpty().ok());
        const FileResult<int> added =
            PlayerFile().AppendRecord(player(u"Ann Lee", u"India", 40, 0));
        QVERIFY(added.ok());
        QCOMPARE(added.value, 2);
        QByteArray expected = QByteArray("Ann Lee") + fill(73, ' ') + QByteArray("India") +
                              fill(15, ' ') + char(40) + char(0) + fill(30, '\0');
        const QByteArray file = bytesOf(FileName);
        QCOMPARE(file.size(), 264);
        QCOMPARE(file.mid(132), expected);
    }

    void storesTickedBoxesAsMinusOne()
    {
        const QByteArray both = player(u"Kim Ray", u"England", 30, 20, true, true).toBytes();
        QCOMPARE(both.mid(102, 4), QByteArray("\xFF\xFF\xFF\xFF"));
        const QByteArray captain = player(u"Kim Ray", u"England", 30, 20, true).toBytes();
        QCOMPARE(captain.mid(102, 4), QByteArray("\xFF\xFF\x00\x00", 4));
        QCOMPARE(captain.mid(106), fill(26, '\0'));
        const PlayerRecord back = PlayerRecord::fromBytes(captain.constData());
        QVERIFY(back.CaptainExperience);
        QVERIFY(!back.KeeperExperience);
        QCOMPARE(back.PlayerName.trimmed(), QStringLiteral("Kim Ray"));
        QCOMPARE(back.BowlingAverage, quint8(20));
    }

    void headerOnlyFileHoldsNoPlayers()
    {
        QVERIFY(PlayerFile().CreateEmpty().ok());
        const auto counts = PlayerFile().CountByCountry();
        QVERIFY(counts.ok());
        QCOMPARE(counts.value, (std::array<int, 9>{}));
        const auto players = PlayerFile().PlayersOfCountry(u"India");
        QVERIFY(players.ok());
        QVERIFY(players.value.isEmpty());
        QVERIFY(!counts.partialTail);
    }

    void matchesCountriesAsTheReadersDo_data()
    {
        QTest::addColumn<QByteArray>("country");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<bool>("counted");
        QTest::newRow("exact") << QByteArray("India") << true << true;
        QTest::newRow("lower case") << QByteArray("india") << true << false;
        QTest::newRow("upper case") << QByteArray("INDIA") << true << false;
        QTest::newRow("leading blanks") << QByteArray("  India") << true << true;
        QTest::newRow("other country") << QByteArray("Indian") << false << false;
    }
    void matchesCountriesAsTheReadersDo()
    {
        QFETCH(QByteArray, country);
        QFETCH(bool, listed);
        QFETCH(bool, counted);
        writeBytes(FileName,
                   fileOf({player(u"Ann Lee", u"England")}) + rawRecord("Raj Patel", country));
        const auto players = PlayerFile().PlayersOfCountry(u" india ");
        QVERIFY(players.ok());
        QCOMPARE(players.value.size(), listed ? 1 : 0);
        if (listed) {
            QCOMPARE(players.value.first().recordNumber, 3);
            QCOMPARE(players.value.first().record.PlayerName.trimmed(),
                     QStringLiteral("Raj Patel"));
        }
        const auto counts = PlayerFile().CountByCountry();
        QVERIFY(counts.ok());
        QCOMPARE(counts.value[2], counted ? 1 : 0);
        QCOMPARE(counts.value[1], 1);
        QCOMPARE(std::accumulate(counts.value.begin(), counts.value.end(), 0), counted ? 2 : 1);
    }

    void listsPlayersOfACountryInFileOrder()
    {
        writeBytes(FileName, fileOf({player(u"A One", u"Pakistan"), player(u"B Two", u"Sri Lanka"),
                                     player(u"C Three", u"Pakistan", 77, 12, false, true)}));
        const auto players = PlayerFile().PlayersOfCountry(u"Pakistan");
        QVERIFY(players.ok());
        QCOMPARE(players.value.size(), 2);
        QCOMPARE(players.value[0].recordNumber, 2);
        QCOMPARE(players.value[1].recordNumber, 4);
        QCOMPARE(players.value[1].record, player(u"C Three", u"Pakistan", 77, 12, false, true));
        const auto read = PlayerFile().ReadRecord(4);
        QVERIFY(read.ok());
        QCOMPARE(read.value, players.value[1].record);
        QCOMPARE(PlayerFile().ReadRecord(5).error, FileError::BadRecordNumber);
        QCOMPARE(PlayerFile().ReadRecord(0).error, FileError::BadRecordNumber);
        const auto counts = PlayerFile().CountByCountry();
        QCOMPARE(counts.value[4], 2);
        QCOMPARE(counts.value[6], 1);
    }

    void appendsAfterTheLastRecord()
    {
        const QByteArray before = fileOf({player(u"Ann Lee", u"India")});
        writeBytes(FileName, before);
        const PlayerRecord added = player(u"Bob Cole", u"Zimbabwe", 12, 34);
        const auto result = PlayerFile().AppendRecord(added);
        QVERIFY(result.ok());
        QCOMPARE(result.value, 3);
        const QByteArray after = bytesOf(FileName);
        QCOMPARE(after.size(), 396);
        QCOMPARE(after.left(264), before);
        QCOMPARE(after.mid(264, 132), added.toBytes());
    }

    void reportsAMissingFileAndDoesNotCreateIt()
    {
        QCOMPARE(PlayerFile().RecordCount().error, FileError::FileNotFound);
        QCOMPARE(PlayerFile().CountByCountry().error, FileError::FileNotFound);
        QCOMPARE(PlayerFile().PlayersOfCountry(u"India").error, FileError::FileNotFound);
        QCOMPARE(PlayerFile().ReadRecord(2).error, FileError::FileNotFound);
        QCOMPARE(PlayerFile().AppendRecord(player(u"Ann Lee", u"India")).error,
                 FileError::FileNotFound);
        QVERIFY(!QFile::exists(FileName));
    }

    void readsAndAppendsOnDamagedFiles_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("tail");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("written");
        QTest::newRow("empty file") << -1 << 0 << 0 << 2;
        QTest::newRow("short file") << -1 << 50 << 0 << 2;
        QTest::newRow("header and a piece") << 0 << 50 << 1 << 2;
        QTest::newRow("player and a piece") << 1 << 131 << 2 << 3;
        QTest::newRow("players and one byte") << 2 << 1 << 3 << 4;
    }
    void readsAndAppendsOnDamagedFiles()
    {
        QFETCH(int, players);
        QFETCH(int, tail);
        QFETCH(int, records);
        QFETCH(int, written);
        QList<PlayerRecord> list;
        for (int i = 0; i < players; ++i)
            list.append(player(u"Ann Lee", u"India"));
        // A piece that would read as an Indian player if it were taken as a record.
        const QByteArray whole = players < 0 ? QByteArray() : fileOf(list);
        const QByteArray before = whole + rawRecord("Ghost", "India").left(tail);
        writeBytes(FileName, before);

        const auto count = PlayerFile().RecordCount();
        QVERIFY(count.ok());
        QCOMPARE(count.value, records);
        QCOMPARE(count.partialTail, tail != 0);
        const auto counts = PlayerFile().CountByCountry();
        QVERIFY(counts.ok());
        QCOMPARE(counts.value[2], std::max(players, 0));
        QCOMPARE(counts.partialTail, tail != 0);
        QCOMPARE(PlayerFile().PlayersOfCountry(u"India").value.size(), std::max(players, 0));

        const PlayerRecord added = player(u"New Man", u"England", 66, 5);
        const auto result = PlayerFile().AppendRecord(added);
        QVERIFY(result.ok());
        QCOMPARE(result.value, written);
        const QByteArray after = bytesOf(FileName);
        QCOMPARE(after.size(), written * 132);
        if (players < 0)
            QCOMPARE(after.left(132), PlayerRecord::header().toBytes());
        else
            QCOMPARE(after.left(whole.size()), whole);
        QCOMPARE(after.mid((written - 1) * 132), added.toBytes());
        // Every reader finds the new player, and nothing else has appeared.
        const auto england = PlayerFile().PlayersOfCountry(u"England");
        QCOMPARE(england.value.size(), 1);
        QCOMPARE(england.value.first().recordNumber, written);
        QVERIFY(!england.partialTail);
        QCOMPARE(PlayerFile().CountByCountry().value[2], std::max(players, 0));
    }

    void failedAppendLeavesADirectoryAlone()
    {
        QVERIFY(QDir().mkdir(FileName));
        QCOMPARE(PlayerFile().RecordCount().error, FileError::PathFileAccess);
        QCOMPARE(PlayerFile().AppendRecord(player(u"Ann Lee", u"India")).error,
                 FileError::PathFileAccess);
        QCOMPARE(PlayerFile().CreateEmpty().error, FileError::PathFileAccess);
        QVERIFY(QFileInfo(FileName).isDir());
        QVERIFY(QDir(FileName).isEmpty());
    }

    void failedAppendOnAFullDiskReportsIt()
    {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        const auto result =
            PlayerFile(QStringLiteral("/dev/full")).AppendRecord(player(u"Ann Lee", u"India"));
        QCOMPARE(result.error, FileError::DiskFull);
    }

    void shortWriteIsCutBack_data()
    {
        QTest::addColumn<int>("tail");
        QTest::newRow("whole records") << 0;
        QTest::newRow("partial tail") << 100;
    }
    void shortWriteIsCutBack()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs a file size limit");
#else
        QFETCH(int, tail);
        const QByteArray before =
            fileOf({player(u"Ann Lee", u"India")}) + rawRecord("Ghost", "India").left(tail);
        writeBytes(FileName, before);
        // The file may grow by 10 bytes only, so the record is half written before it fails.
        auto *previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = rlim_t(264 + 10);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto result = PlayerFile().AppendRecord(player(u"New Man", u"England"));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(result.error, FileError::DiskFull);
        QCOMPARE(bytesOf(FileName), before);
#endif
    }

    void failedAppendOnAReadOnlyFileReportsPermission()
    {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("permission bits do not stop root");
#endif
        const QByteArray before = fileOf({player(u"Ann Lee", u"India")});
        writeBytes(FileName, before);
        QVERIFY(QFile::setPermissions(FileName, QFile::ReadOwner));
        QCOMPARE(PlayerFile().AppendRecord(player(u"New Man", u"England")).error,
                 FileError::PermissionDenied);
        QCOMPARE(bytesOf(FileName), before);
    }

    void refusesARecordBeyondTheLimit()
    {
        // 32766 players and the header, written in one go.
        QByteArray bytes = PlayerRecord::header().toBytes();
        const QByteArray one = player(u"Ann Lee", u"India").toBytes();
        bytes.reserve(qsizetype(PlayerFile::MaxRecords) * 132);
        while (bytes.size() < qsizetype(PlayerFile::MaxRecords - 1) * 132)
            bytes += one;
        writeBytes(FileName, bytes);
        const auto last = PlayerFile().AppendRecord(player(u"Last Man", u"England"));
        QVERIFY(last.ok());
        QCOMPARE(last.value, PlayerFile::MaxRecords);
        const QByteArray full = bytesOf(FileName);
        QCOMPARE(full.size(), qsizetype(PlayerFile::MaxRecords) * 132);

        const auto refused = PlayerFile().AppendRecord(player(u"One Too Many", u"England"));
        QCOMPARE(refused.error, FileError::BadRecordNumber);
        QCOMPARE(bytesOf(FileName), full);
        const auto counts = PlayerFile().CountByCountry();
        QCOMPARE(counts.value[1], 1);
        QCOMPARE(counts.value[2], PlayerFile::MaxRecords - 2);
    }

    void roundTripsWindows1252()
    {
        QVERIFY(PlayerFile().CreateEmpty().ok());
        const PlayerRecord record = player(u"Andr\u00e9 \u20acuro M\u00fcller", u"South Africa");
        QVERIFY(PlayerFile().AppendRecord(record).ok());
        const QByteArray stored = bytesOf(FileName).mid(132, 18);
        QCOMPARE(stored, QByteArray("Andr\xE9 \x80uro M\xFCller "));
        const auto read = PlayerFile().ReadRecord(2);
        QVERIFY(read.ok());
        QCOMPARE(read.value.PlayerName.trimmed(),
                 QStringLiteral("Andr\u00e9 \u20acuro M\u00fcller"));
        QCOMPARE(read.value, record);
    }

    void everyByteRoundTrips()
    {
        for (int byte = 0; byte < 256; ++byte) {
            const char16_t ch = Windows1252::toUnicode(quint8(byte));
            quint8 back = 0;
            QVERIFY(Windows1252::fromUnicode(ch, back));
            QCOMPARE(int(back), byte);
        }
        QCOMPARE(int(Windows1252::toUnicode(0x80)), 0x20AC);
        QCOMPARE(int(Windows1252::toUnicode(0x9F)), 0x0178);
    }

    void refusesANameOutsideTheCodePage()
    {
        QVERIFY(PlayerFile().CreateEmpty().ok());
        const PlayerRecord record = player(u"\u03a9mega Man", u"India");
        QVERIFY(!record.canEncode());
        QCOMPARE(PlayerFile().AppendRecord(record).error, FileError::InvalidCall);
        QCOMPARE(bytesOf(FileName).size(), 132);
    }

    void findsPlayersByPartOfTheName()
    {
        writeBytes(FileName,
                   fileOf({player(u"Ann Lee", u"India"), player(u"Bob Leeson", u"England"),
                           player(u"Carl Ray", u"India")}));
        const auto found = PlayerFile().PlayersNamed(u"LEE");
        QVERIFY(found.ok());
        QCOMPARE(found.value.size(), 2);
        QCOMPARE(found.value[0].recordNumber, 2);
        QCOMPARE(found.value[1].record.PlayerName.trimmed(), QStringLiteral("Bob Leeson"));
        QVERIFY(PlayerFile().PlayersNamed(u"zz").value.isEmpty());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldDir;
};

QTEST_MAIN(tst_PlayerFile)
#include "tst_playerfile.moc"
