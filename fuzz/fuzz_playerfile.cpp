// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
// Arbitrary bytes as "Basic.kdt": every reading operation must survive them and agree with the
// others, and an append must keep what was readable and read back itself.
#include "core/players/PlayerFile.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

namespace {

// A broken promise is a finding: say which and abort, so libFuzzer keeps the input.
void require(bool condition, const char *promise)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_playerfile: broken: %s\n", promise);
        std::abort();
    }
}

const QString &playerFilePath()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Basic.kdt"));
    require(dir.isValid(), "a temporary directory can be made");
    return path;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly), "the player file can be reopened");
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate),
            "the player file can be written");
    require(file.write(bytes) == bytes.size(), "the whole input is written");
}

// Listed players come in ascending record order, all of them players (2..count).
void requireOrderedPlayers(const QList<NumberedPlayer> &players, int count)
{
    int previous = 1;
    for (const NumberedPlayer &player : players) {
        require(player.recordNumber > previous, "listed players are in ascending record order");
        require(player.recordNumber <= count, "listed players lie inside the file");
        previous = player.recordNumber;
    }
}

constexpr qint64 RecordSize = PlayerFile::RecordSize;

struct Snapshot
{
    int count = 0;
    std::map<int, PlayerRecord> records; // the sampled records that could be read
    std::array<int, 9> byCountry{};
    QList<NumberedPlayer> ofCountry;
};

// The first records, one in the middle and those around the end: reading every record of a
// long file would only slow the search down.
std::set<int> sampledRecords(int whole, int rounded)
{
    return {1, 2, whole / 2, whole - 1, whole, whole + 1, rounded, rounded + 1};
}

Snapshot readEverything(const PlayerFile &file, qint64 length, std::size_t country,
                        QStringView randomText)
{
    Snapshot seen;
    const FileResult<int> count = file.RecordCount();
    require(count.ok(), "an existing file can be counted");
    const int whole = int(length / RecordSize);
    const int rounded = int((length + RecordSize / 2) / RecordSize);
    require(count.value == whole || count.value == rounded, "the count is the length in records");
    seen.count = count.value;

    for (const int n : sampledRecords(whole, rounded)) {
        const FileResult<PlayerRecord> read = file.ReadRecord(n);
        if (n >= 1 && n <= whole)
            require(read.ok(), "every whole record can be read");
        if (n < 1 || n > rounded)
            require(!read.ok(), "a record outside the file is refused");
        if (read.ok())
            seen.records[n] = read.value;
    }
    for (const int n : {-1, PlayerFile::MaxRecords + 1, -PlayerFile::MaxRecords})
        require(!file.ReadRecord(n).ok(), "a record number out of range is refused");

    const FileResult<std::array<int, 9>> counts = file.CountByCountry();
    require(counts.ok(), "an existing file can be counted by country");
    int players = 0;
    for (const int n : counts.value) {
        require(n >= 0, "counts are not negative");
        players += n;
    }
    require(players <= std::max(0, seen.count - 1), "no more players counted than the file holds");
    seen.byCountry = counts.value;

    const FileResult<QList<NumberedPlayer>> ofCountry =
        file.PlayersOfCountry(CountryNames[country]);
    require(ofCountry.ok(), "an existing file can be listed by country");
    requireOrderedPlayers(ofCountry.value, seen.count);
    require(ofCountry.value.size() >= counts.value[country],
            "listing ignores case, so it finds at least the counted players");
    for (const NumberedPlayer &player : ofCountry.value) {
        const auto read = seen.records.find(player.recordNumber);
        if (read != seen.records.end())
            require(read->second == player.record,
                    "a listed player is the record read by its number");
    }
    seen.ofCountry = ofCountry.value;

    const FileResult<QList<NumberedPlayer>> other = file.PlayersOfCountry(randomText);
    require(other.ok(), "any country text can be listed");
    requireOrderedPlayers(other.value, seen.count);

    const FileResult<QList<NumberedPlayer>> named = file.PlayersNamed(randomText);
    require(named.ok(), "any part of a name can be looked up");
    requireOrderedPlayers(named.value, seen.count);
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString &path = playerFilePath();
    writeFile(path, input);
    const PlayerFile file(path);

    // The last bytes choose the country, a free text to look up and the player to add.
    const std::size_t country = size == 0 ? 0 : data[size - 1] % 9;
    const QString randomText = QString::fromLatin1(input.right(24));
    PlayerRecord added;
    added.PlayerName = size % 2 == 0 ? QStringView(u"Ann Lee") : QStringView(randomText);
    added.Country = CountryNames[country];
    added.BattingAverage = size == 0 ? 40 : data[0];
    added.BowlingAverage = size < 2 ? 0 : data[1];
    added.CaptainExperience = size % 3 == 0;
    added.KeeperExperience = size % 5 == 0;

    const qint64 length = input.size();
    const Snapshot before = readEverything(file, length, country, randomText);

    const FileResult<int> appended = file.AppendRecord(added);
    if (!appended.ok()) {
        require(fileBytes(path) == input, "a refused append leaves the file as it was");
        return 0;
    }

    const int whole = int(length / RecordSize);
    const int number = appended.value;
    require(number >= 2 && number > whole, "an append writes after every whole record");
    const FileResult<int> count = file.RecordCount();
    require(count.ok() && count.value == number, "the new player is the last record");
    const FileResult<PlayerRecord> readBack = file.ReadRecord(number);
    require(readBack.ok() && readBack.value == added, "the new player reads back as written");
    for (const auto &[n, record] : before.records) {
        if (n > whole)
            continue;
        const FileResult<PlayerRecord> read = file.ReadRecord(n);
        require(read.ok() && read.value == record, "an append leaves every whole record as it was");
    }

    const FileResult<QList<NumberedPlayer>> ofCountry =
        file.PlayersOfCountry(CountryNames[country]);
    require(ofCountry.ok() && !ofCountry.value.isEmpty(), "the new player's country lists him");
    require(ofCountry.value.last().recordNumber == number && ofCountry.value.last().record == added,
            "the new player is listed last");
    for (const NumberedPlayer &player : before.ofCountry) {
        if (player.recordNumber > whole)
            continue;
        const bool kept = std::any_of(ofCountry.value.cbegin(), ofCountry.value.cend(),
                                      [&player](const NumberedPlayer &listed) {
                                          return listed.recordNumber == player.recordNumber &&
                                                 listed.record == player.record;
                                      });
        require(kept, "an append keeps every listed player");
    }

    if (length % RecordSize == 0 && length > 0) {
        const FileResult<std::array<int, 9>> counts = file.CountByCountry();
        require(counts.ok(), "the file can still be counted after an append");
        for (std::size_t i = 0; i < counts.value.size(); ++i) {
            const int expected = before.byCountry[i] + (i == country ? 1 : 0);
            require(counts.value[i] == expected, "an append counts one more player of its country");
        }
    }
    return 0;
}
