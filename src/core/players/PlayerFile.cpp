// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/players/PlayerFile.h"

#include "core/common/BlankTrim.h"

#include "core/players/Windows1252.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {
constexpr int RecordSize = PlayerFile::RecordSize;
constexpr int CountryOffset = PlayerRecord::CountryOffset;
constexpr int CountryWidth = 20;
// Players read per block: one read call per 64 KiB or so instead of one per record.
constexpr int BlockRecords = 512;

struct Probe
{
    qint64 length = 0;
    int error = FileError::None;
};

// The length query every operation starts with; tells a missing file apart from the rest.
Probe probe(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return {0, FileError::BadFileName};
    const QFileInfo info(path);
    if (!info.exists())
        return {0, FileError::FileNotFound};
    if (info.isDir())
        return {0, FileError::PathFileAccess};
    return {info.size(), FileError::None};
}

// Qt words its errors with the system's own text, which is the only place the reason survives.
int errorCode(const QFile &file, int fallback)
{
    const QString reason = file.errorString();
    const std::pair<int, int> known[] = {{ENOSPC, FileError::DiskFull},
                                         {EFBIG, FileError::DiskFull},
                                         {EACCES, FileError::PermissionDenied},
                                         {EPERM, FileError::PermissionDenied},
                                         {EROFS, FileError::PermissionDenied},
                                         {ENOENT, FileError::FileNotFound},
                                         {EISDIR, FileError::PathFileAccess},
                                         {ENOTDIR, FileError::PathFileAccess},
                                         {EIO, FileError::DeviceIo},
                                         {ENAMETOOLONG, FileError::BadFileName}};
    for (const auto &[number, code] : known) {
        if (reason == qt_error_string(number))
            return code;
    }
#ifdef EDQUOT
    if (reason == qt_error_string(EDQUOT))
        return FileError::DiskFull;
#endif
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return FileError::PermissionDenied;
    case QFileDevice::ResourceError:
        return FileError::DiskFull;
    case QFileDevice::OpenError:
        return FileError::PathFileAccess;
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return FileError::DeviceIo;
    default:
        return fallback;
    }
}

int wholeRecords(qint64 length)
{
    return int(std::min<qint64>(length / RecordSize, PlayerFile::MaxRecords));
}

// Calls visit(recordNumber, bytes) for every whole player record, in file order.
template <typename Visit>
int scanPlayers(const QString &path, bool &partialTail, Visit visit)
{
    const Probe found = probe(path);
    if (found.error != FileError::None)
        return found.error;
    partialTail = found.length % RecordSize != 0;
    const int records = wholeRecords(found.length);
    if (records <= 1)
        return FileError::None;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return errorCode(file, FileError::PathFileAccess);
    if (!file.seek(RecordSize))
        return errorCode(file, FileError::DeviceIo);
    QByteArray block;
    for (int first = 2; first <= records; first += BlockRecords) {
        const int count = std::min(BlockRecords, records - first + 1);
        block.resize(qsizetype(count) * RecordSize);
        if (file.read(block.data(), block.size()) != block.size())
            return errorCode(file, FileError::DeviceIo);
        for (int i = 0; i < count; ++i)
            visit(first + i, block.constData() + qsizetype(i) * RecordSize);
    }
    return FileError::None;
}

// The country field with its blanks removed, as bytes; no decoding needed to count.
std::pair<const char *, int> countryBytes(const char *record)
{
    const char *begin = record + CountryOffset;
    const char *end = begin + CountryWidth;
    while (begin < end && *begin == ' ')
        ++begin;
    while (end > begin && end[-1] == ' ')
        --end;
    return {begin, int(end - begin)};
}

bool sameUpperCase(std::pair<const char *, int> country, const QString &wanted)
{
    if (country.second != wanted.size())
        return false;
    for (int i = 0; i < country.second; ++i) {
        const char16_t ch = Windows1252::toUnicode(quint8(country.first[i]));
        if (QChar::toUpper(ch) != wanted[i].unicode())
            return false;
    }
    return true;
}

template <typename T>
FileResult<T> result(T value, int error, bool partialTail)
{
    FileResult<T> answer;
    if (error == FileError::None)
        answer.value = std::move(value);
    answer.error = error;
    answer.partialTail = partialTail;
    return answer;
}
} // namespace

QString FileError::reason(int code)
{
    switch (code) {
    case FileError::FileNotFound:
        return QCoreApplication::translate("PlayerFile", "the file no longer exists");
    case FileError::BadFileName:
        return QCoreApplication::translate("PlayerFile", "the file name is not valid");
    case FileError::DeviceIo:
        return QCoreApplication::translate("PlayerFile",
                                           "the device reported an input/output error");
    case FileError::DiskFull:
        return QCoreApplication::translate("PlayerFile", "the disk is full");
    case FileError::PermissionDenied:
        return QCoreApplication::translate("PlayerFile", "permission to use the file was denied");
    case FileError::PathFileAccess:
        return QCoreApplication::translate(
            "PlayerFile", "the file cannot be opened (a folder may stand in its place)");
    case FileError::InvalidCall:
        return QCoreApplication::translate("PlayerFile", "the name cannot be stored in the file");
    default:
        return QCoreApplication::translate("PlayerFile", "an unexpected error occurred");
    }
}
PlayerFile::PlayerFile(QString path) : m_path(std::move(path)) {}

FileResult<int> PlayerFile::RecordCount() const
{
    const Probe found = probe(m_path);
    if (found.error != FileError::None)
        return result(0, found.error, false);
    return result(int(found.length / RecordSize), FileError::None, found.length % RecordSize != 0);
}

FileResult<bool> PlayerFile::CreateEmpty() const
{
    const Probe found = probe(m_path);
    if (found.error != FileError::None && found.error != FileError::FileNotFound)
        return result(false, found.error, false);
    // NewOnly: a file that appeared since the check (a restored backup, another copy of the game
    // adding players) holds players that must not be cut to a header.
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        if (QFileInfo::exists(m_path))
            return result(false, FileError::None, false);
        return result(false, errorCode(file, FileError::PathFileAccess), false);
    }
    const QByteArray header = PlayerRecord::header().toBytes();
    if (file.write(header) != header.size()) {
        const int code = errorCode(file, FileError::DiskFull);
        file.close();
        QFile::remove(m_path);
        return result(false, code, false);
    }
    return result(true, FileError::None, false);
}

FileResult<PlayerRecord> PlayerFile::ReadRecord(int n) const
{
    const Probe found = probe(m_path);
    if (found.error != FileError::None)
        return result(PlayerRecord(), found.error, false);
    const bool partialTail = found.length % RecordSize != 0;
    if (n < 1 || n > wholeRecords(found.length))
        return result(PlayerRecord(), FileError::BadRecordNumber, partialTail);
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return result(PlayerRecord(), errorCode(file, FileError::PathFileAccess), partialTail);
    char bytes[RecordSize];
    if (!file.seek(qint64(n - 1) * RecordSize) || file.read(bytes, RecordSize) != RecordSize)
        return result(PlayerRecord(), errorCode(file, FileError::DeviceIo), partialTail);
    return result(PlayerRecord::fromBytes(bytes), FileError::None, partialTail);
}

FileResult<int> PlayerFile::AppendRecord(const PlayerRecord &record) const
{
    if (!record.canEncode())
        return result(0, FileError::InvalidCall, false);
    const Probe found = probe(m_path);
    if (found.error != FileError::None)
        return result(0, found.error, false);
    const bool partialTail = found.length % RecordSize != 0;

    // Whole records only: a short file gets its header first, and a partial tail is written
    // over, so the new player lands where every reader looks and no gap is left.
    const qint64 whole = found.length / RecordSize;
    const int number = whole == 0 ? 2 : int(std::min<qint64>(whole + 1, MaxRecords + 1));
    if (number > MaxRecords)
        return result(0, FileError::BadRecordNumber, partialTail);
    const qint64 at = whole * RecordSize;
    QByteArray bytes;
    if (whole == 0)
        bytes = PlayerRecord::header().toBytes();
    bytes += record.toBytes();

    // ExistingOnly: a file removed since the length was taken must not be recreated here.
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly))
        return result(0, errorCode(file, FileError::PathFileAccess), partialTail);
    QByteArray overwritten;
    if (found.length > at) {
        if (!file.seek(at))
            return result(0, errorCode(file, FileError::DeviceIo), partialTail);
        overwritten = file.read(found.length - at);
    }
    if (file.pos() != at && !file.seek(at))
        return result(0, errorCode(file, FileError::DeviceIo), partialTail);
    if (file.write(bytes) == bytes.size())
        return result(number, FileError::None, partialTail);

    // A short write (disk full, say) must not leave half a record behind.
    const int code = errorCode(file, FileError::DiskFull);
    file.resize(found.length);
    if (!overwritten.isEmpty() && file.seek(at))
        file.write(overwritten);
    return result(0, code, partialTail);
}

FileResult<std::array<int, 9>> PlayerFile::CountByCountry() const
{
    std::array<QByteArray, 9> names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = CountryNames[i].toLatin1();
    std::array<int, 9> counts{};
    bool partialTail = false;
    const int error = scanPlayers(m_path, partialTail, [&](int, const char *bytes) {
        const auto [country, length] = countryBytes(bytes);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i].size() == length &&
                std::memcmp(names[i].constData(), country, std::size_t(length)) == 0) {
                ++counts[i];
                break;
            }
        }
    });
    return result(counts, error, partialTail);
}

FileResult<QList<NumberedPlayer>> PlayerFile::PlayersOfCountry(QStringView country) const
{
    QString wanted = trimBlanks(country).toString();
    for (QChar &ch : wanted)
        ch = QChar(QChar::toUpper(ch.unicode()));
    QList<NumberedPlayer> players;
    bool partialTail = false;
    const int error = scanPlayers(m_path, partialTail, [&](int number, const char *bytes) {
        if (sameUpperCase(countryBytes(bytes), wanted))
            players.append({number, PlayerRecord::fromBytes(bytes)});
    });
    return result(players, error, partialTail);
}

FileResult<QList<NumberedPlayer>> PlayerFile::PlayersNamed(QStringView part) const
{
    QList<NumberedPlayer> players;
    bool partialTail = false;
    const int error = scanPlayers(m_path, partialTail, [&](int number, const char *bytes) {
        PlayerRecord record = PlayerRecord::fromBytes(bytes);
        if (record.PlayerName.trimmed().contains(part, Qt::CaseInsensitive))
            players.append({number, std::move(record)});
    });
    return result(players, error, partialTail);
}
