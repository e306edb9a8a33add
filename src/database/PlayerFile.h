// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "database/PlayerRecord.h"

#include <QList>
#include <QString>
#include <array>

// Failure codes of the player file, numbered as such files have always been reported.
namespace FileError {
constexpr int None = 0;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIo = 57;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
} // namespace FileError

template<typename T>
struct FileResult
{
    T value{};
    int error = FileError::None;
    bool ok() const { return error == FileError::None; }
};

struct NumberedPlayer
{
    int recordNumber = 0; // 2..32767
    PlayerRecord record;
};

// Reader and writer of "Basic.kdt": 132-byte records, record 1 the header. Every operation
// opens the file, does its work and closes it again.
class PlayerFile
{
public:
    static constexpr int RecordSize = 132;
    static constexpr int MaxRecords = 32767;

    explicit PlayerFile(QString path = QStringLiteral("Basic.kdt"));

    FileResult<int> RecordCount() const;
    FileResult<bool> CreateEmpty() const;
    FileResult<PlayerRecord> ReadRecord(int n) const;
    // Returns the record number written.
    FileResult<int> AppendRecord(const PlayerRecord &record) const;
    FileResult<std::array<int, 9>> CountByCountry() const;
    FileResult<QList<NumberedPlayer>> PlayersOfCountry(QStringView country) const;

    const QString &path() const { return m_path; }

private:
    QString m_path;
};
