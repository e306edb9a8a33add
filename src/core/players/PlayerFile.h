// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/players/PlayerRecord.h"

#include <QList>
#include <QString>
#include <array>

// Failure codes of the player file, numbered as such files have always been reported.
namespace FileError {
constexpr int None = 0;
constexpr int InvalidCall = 5; // a record whose texts the code page cannot hold
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIo = 57;
constexpr int DiskFull = 61;
constexpr int BadRecordNumber = 63; // no such record, or the file already holds MaxRecords
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
// What went wrong, in a player's words ("the disk is full").
QString reason(int code);
} // namespace FileError

template <typename T>
struct FileResult
{
    T value{};
    int error = FileError::None;
    // The file ends in a piece shorter than one record. It is no player, and the next append
    // writes over it, so the window can warn the user once.
    bool partialTail = false;
    bool ok() const { return error == FileError::None; }
};

struct NumberedPlayer
{
    int recordNumber = 0; // 2..32767
    PlayerRecord record;
};

// Reader and writer of "Basic.kdt": 132-byte records, record 1 the header. Every operation
// opens the file, does its work and closes it again. Only whole records count: a tail shorter
// than a record is never read as a player.
class PlayerFile
{
public:
    static constexpr int RecordSize = PlayerRecord::Size;
    // Record numbers are 16-bit: the header and 32766 players.
    static constexpr int MaxRecords = 32767;

    explicit PlayerFile(QString path = QStringLiteral("Basic.kdt"));

    // Whole records in the file, the header included.
    FileResult<int> RecordCount() const;
    // A new file holding only the header; one that exists by then is kept as it is (false).
    FileResult<bool> CreateEmpty() const;
    FileResult<PlayerRecord> ReadRecord(int n) const;
    // Returns the record number written. A file shorter than one record gets its header first;
    // a partial tail is overwritten. On any failure the file is left as it was.
    FileResult<int> AppendRecord(const PlayerRecord &record) const;
    FileResult<std::array<int, 9>> CountByCountry() const;
    FileResult<QList<NumberedPlayer>> PlayersOfCountry(QStringView country) const;
    // Players whose trimmed name contains part, ignoring letter case, in file order.
    FileResult<QList<NumberedPlayer>> PlayersNamed(QStringView part) const;

    const QString &path() const { return m_path; }

private:
    QString m_path;
};
