// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/MatchStore.h"

#include "core/store/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <QtEndian>
#include <atomic>
#include <numeric>

namespace {

// "SWMS" in the file header tells our stores from other programs' SQLite files.
constexpr qint64 ApplicationId = 0x53574D53;

// The steps of every owner, version by version.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> versions = [] {
        QList<QStringList> merged;
        using Steps = const QList<SchemaStep> &(*)();
        for (const Steps owner : {&Schema::matches, &Schema::careers, &Schema::records,
                                  &Schema::sides, &Schema::competitions, &Schema::network}) {
            for (const SchemaStep &step : owner()) {
                if (merged.size() < step.version)
                    merged.resize(step.version);
                merged[step.version - 1] << step.statements;
            }
        }
        return merged;
    }();
    return versions;
}

} // namespace

const QList<SchemaStep> &Schema::matches()
{
    static const QList<SchemaStep> steps{
        {1,
         {QStringLiteral("CREATE TABLE matches (id INTEGER PRIMARY KEY, mode TEXT NOT NULL, "
                         "status TEXT NOT NULL, started INTEGER NOT NULL, updated INTEGER NOT "
                         "NULL, team1 TEXT NOT NULL, team2 TEXT NOT NULL, setup BLOB NOT NULL, "
                         "result TEXT NOT NULL DEFAULT '')"),
          QStringLiteral("CREATE TABLE overs (match INTEGER NOT NULL REFERENCES matches(id) ON "
                         "DELETE CASCADE, number INTEGER NOT NULL, face INTEGER NOT NULL, draws "
                         "BLOB NOT NULL, PRIMARY KEY (match, number)) WITHOUT ROWID"),
          QStringLiteral("CREATE INDEX matches_by_status ON matches(status, updated)")}},
        // The side the user plays when the computer plays the other; NULL when the user plays
        // both or neither.
        {2, {QStringLiteral("ALTER TABLE matches ADD COLUMN user_side INTEGER")}},
        // The names the history filter searches, NULL until derived from the log.
        {3,
         {QStringLiteral("ALTER TABLE matches ADD COLUMN players TEXT"),
          QStringLiteral("CREATE INDEX matches_by_started ON matches(started)")}},
        // The mode as a code, and the result as its parts: the texts they were stored as are
        // read this once. A finished match whose result cannot be read stops the step (the
        // NULL refused below), and the store is moved aside.
        {9,
         {QStringLiteral("UPDATE matches SET mode = CASE mode WHEN 'Human v CPU' THEN "
                         "'human-cpu' WHEN 'CPU v CPU' THEN 'cpu-cpu' WHEN 'Network' THEN "
                         "'network' ELSE 'human-human' END"),
          QStringLiteral("ALTER TABLE matches ADD COLUMN outcome TEXT NOT NULL DEFAULT ''"),
          QStringLiteral("ALTER TABLE matches ADD COLUMN winner INTEGER"),
          QStringLiteral("ALTER TABLE matches ADD COLUMN margin INTEGER"),
          QStringLiteral("ALTER TABLE matches ADD COLUMN margin_unit TEXT"),
          QStringLiteral("UPDATE matches SET outcome = 'draw' WHERE status = 'finished' AND "
                         "result = 'The time allowed for this match has expired; the innings "
                         "were not completed and the match has been declared a draw'"),
          QStringLiteral("UPDATE matches SET outcome = 'tie' WHERE status = 'finished' AND result "
                         "= 'This test match has been tied!'"),
          // Two sides of one name: the totals, where kept, say which won.
          QStringLiteral("UPDATE matches SET outcome = 'win', margin = p.margin, margin_unit = "
                         "'runs', winner = CASE WHEN p.name = team1 AND p.name = team2 THEN "
                         "coalesce((SELECT t.total2 > t.total1 FROM match_totals t WHERE t.match "
                         "= matches.id), 0) WHEN p.name = team1 THEN 0 ELSE 1 END FROM (SELECT "
                         "id, CAST(substr(result, 46, instr(result, ' runs : ') - 46) AS "
                         "INTEGER) AS margin, substr(result, instr(result, ' runs : ') + 8) AS "
                         "name, result FROM matches WHERE status = 'finished') AS p WHERE p.id = "
                         "matches.id AND p.margin > 0 AND p.name IN (team1, team2) AND p.result "
                         "= 'I declare the winner of this test match, by  ' || p.margin || ' "
                         "runs : ' || p.name"),
          QStringLiteral("CREATE TEMP TABLE unread_results (id INTEGER NOT NULL)"),
          QStringLiteral("INSERT INTO unread_results SELECT NULL FROM matches WHERE status = "
                         "'finished' AND outcome = ''"),
          QStringLiteral("DROP TABLE unread_results"),
          QStringLiteral("ALTER TABLE matches DROP COLUMN result")}},
    };
    return steps;
}

QString statusText(MatchStore::Status status)
{
    switch (status) {
    case MatchStore::Status::Finished:
        return QStringLiteral("finished");
    case MatchStore::Status::Abandoned:
        return QStringLiteral("abandoned");
    case MatchStore::Status::Damaged:
        return QStringLiteral("damaged");
    case MatchStore::Status::InProgress:
        break;
    }
    return QStringLiteral("in progress");
}

MatchStore::Status statusOf(const QString &text)
{
    for (auto status : {MatchStore::Status::Finished, MatchStore::Status::Abandoned,
                        MatchStore::Status::Damaged}) {
        if (text == statusText(status))
            return status;
    }
    return MatchStore::Status::InProgress;
}

MatchResult storedResult(const QSqlQuery &query, int column)
{
    const MatchResult::Kind kind = resultKindOf(query.value(column).toString());
    if (kind != MatchResult::Kind::Win)
        return {kind};
    return {kind, query.value(column + 1).toInt(), query.value(column + 2).toInt()};
}

QString storeFailure(const QSqlError &error)
{
    // SQLite's primary result codes, the low byte of the extended ones the driver gives.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return QCoreApplication::translate("MatchStore",
                                           "the store is in use by another copy of Stumpwell");
    case 8: // SQLITE_READONLY
        return QCoreApplication::translate("MatchStore", "the store or its folder is read-only");
    case 10: // SQLITE_IOERR
        return QCoreApplication::translate("MatchStore", "the disk could not be read or written");
    case 11: // SQLITE_CORRUPT
        return QCoreApplication::translate("MatchStore", "the store is damaged");
    case 13: // SQLITE_FULL
        return QCoreApplication::translate("MatchStore", "the disk is full");
    case 14: // SQLITE_CANTOPEN
        return QCoreApplication::translate("MatchStore", "the store could not be opened");
    }
    return error.text();
}

namespace {

// SQLite reads a file cut short as if the pages were merely unused, so check the size its
// header records. A journal left by a killed program may hold pages beyond it: no check then.
bool cutShort(const QString &path)
{
    QFile file(path);
    if (QFile::exists(path + QStringLiteral("-wal")) || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith("SQLite format 3"))
        return false;
    const auto be32 = [&header](int at) {
        return qFromBigEndian<quint32>(header.data() + at);
    };
    const quint32 pageSize = qFromBigEndian<quint16>(header.data() + 16);
    const qint64 pages = be32(28);
    const bool recorded = pages > 0 && be32(24) == be32(92);
    return recorded && file.size() != pages * (pageSize == 1 ? 65536 : pageSize);
}

// A null text would be stored as NULL, which the schema refuses.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QString uniqueConnectionName()
{
    static std::atomic<int> count{0};
    return QStringLiteral("stumpwell-store-%1").arg(++count);
}

} // namespace

MatchStore::MatchStore(const QString &path) : m_path(path) {}

MatchStore::~MatchStore()
{
    close();
}

QString MatchStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/stumpwell.sqlite");
}

QSqlDatabase MatchStore::database() const
{
    return m_connection ? QSqlDatabase::database(*m_connection) : QSqlDatabase();
}

bool MatchStore::fail(const QString &what)
{
    close();
    m_problem = what;
    return false;
}

void MatchStore::close()
{
    if (!m_connection)
        return;
    const QString name = *m_connection;
    m_connection.reset();
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

bool MatchStore::open()
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QCoreApplication::translate(
                        "MatchStore", "The folder %1 for the match store could not be created.")
                        .arg(QDir::toNativeSeparators(folder)));
    m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral(".lock"));
    // Only a lock whose program has died is stale: a long match keeps it for hours.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        const bool busy = m_lock->error() == QLockFile::LockFailedError;
        m_lock.reset();
        return fail(busy ? QStringLiteral("Another copy of Stumpwell is using the match store "
                                          "%1. This copy will not resume or save matches.")
                               .arg(QDir::toNativeSeparators(m_path))
                         : QCoreApplication::translate(
                               "MatchStore", "The folder %1 for the match store cannot be written.")
                               .arg(QDir::toNativeSeparators(folder)));
    }
    return openFile();
}

bool MatchStore::openFile()
{
    if (cutShort(m_path))
        return moveAside(QCoreApplication::translate("MatchStore", "is damaged"));
    m_connection = uniqueConnectionName();
    QString error;
    switch (inspect(error)) {
    case Verdict::Ready:
        return true;
    case Verdict::Damaged:
        return moveAside(QCoreApplication::translate("MatchStore", "is damaged"));
    case Verdict::Foreign:
        return moveAside(QCoreApplication::translate("MatchStore", "belongs to another program"));
    case Verdict::Newer:
        return moveAside(
            QCoreApplication::translate("MatchStore", "was written by a newer Stumpwell"));
    case Verdict::Unreadable:
        return moveAside(
            QCoreApplication::translate("MatchStore", "holds a match this version cannot read"));
    case Verdict::Unusable:
        break;
    }
    return fail(
        QCoreApplication::translate("MatchStore", "The match store %1 could not be opened: %2.")
            .arg(QDir::toNativeSeparators(m_path), error));
}

// Every query is gone again before the caller acts on the verdict: a connection still in use
// cannot be closed.
MatchStore::Verdict MatchStore::inspect(QString &error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), *m_connection);
    db.setDatabaseName(m_path);
    if (!db.open()) {
        error = storeFailure(db.lastError());
        return Verdict::Unusable;
    }
    QSqlQuery query(db);
    const auto pragma = [&query](const QString &text) -> std::optional<qint64> {
        if (!query.exec(text) || !query.next())
            return std::nullopt;
        return query.value(0).toLongLong();
    };
    const auto application = pragma(QStringLiteral("PRAGMA application_id"));
    const auto version = pragma(QStringLiteral("PRAGMA user_version"));
    const auto objects = pragma(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (!application || !version || !objects)
        return Verdict::Damaged;
    const bool fresh = *application == 0 && *objects == 0;
    if (!fresh && *application != ApplicationId)
        return Verdict::Foreign;
    if (*version > migrations().size())
        return Verdict::Newer;
    if (!pragma(QStringLiteral("PRAGMA journal_mode=WAL"))) {
        error = storeFailure(query.lastError());
        return Verdict::Unusable;
    }
    // A commit in WAL mode survives the program being killed; only the checkpoint syncs.
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    if (fresh)
        query.exec(QStringLiteral("PRAGMA application_id=%1").arg(ApplicationId));
    for (qsizetype step = *version; step < migrations().size(); ++step) {
        db.transaction();
        for (const QString &statement : migrations()[step]) {
            if (!query.exec(statement)) {
                error = storeFailure(query.lastError());
                const bool refused = (query.lastError().nativeErrorCode().toInt() & 0xff) == 19;
                db.rollback();
                return refused ? Verdict::Unreadable : Verdict::Unusable; // SQLITE_CONSTRAINT
            }
        }
        query.exec(QStringLiteral("PRAGMA user_version=%1").arg(step + 1));
        if (!db.commit()) {
            error = storeFailure(db.lastError());
            return Verdict::Unusable;
        }
    }
    // Off while the steps ran: a table rebuilt in a step is dropped and renamed with the keys off.
    query.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    if (!query.exec(QStringLiteral("SELECT count(*) FROM matches")) || !query.next())
        return Verdict::Damaged;
    // Matches saved before the derived rows existed get them now, once.
    if (query.exec(QStringLiteral("SELECT 1 FROM matches WHERE players IS NULL LIMIT 1")) &&
        query.next()) {
        query.finish();
        m_rebuildDue = true;
    }
    return Verdict::Ready;
}

bool MatchStore::moveAside(const QString &why)
{
    close();
    const QString aside = m_path + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    if (!QFile::rename(m_path, aside))
        return fail(QCoreApplication::translate(
                        "MatchStore", "The match store %1 %2 and could not be moved aside.")
                        .arg(QDir::toNativeSeparators(m_path), why));
    for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFile::exists(m_path + suffix))
            QFile::rename(m_path + suffix, aside + suffix);
    }
    m_notice = QCoreApplication::translate("MatchStore", "The match store %1 %2. It was kept as "
                                                         "%3, and a new store was started.")
                   .arg(QDir::toNativeSeparators(m_path), why, QDir::toNativeSeparators(aside));
    return openFile();
}

qint64 MatchStore::beginMatch(const MatchSetup &setup, MatchMode mode, int userSide)
{
    if (!saving())
        return 0;
    qint64 id = 0;
    const QString error = [&]() -> QString {
        QSqlQuery query(QSqlDatabase::database(*m_connection));
        query.prepare(QStringLiteral("INSERT INTO matches (mode, status, started, updated, "
                                     "team1, team2, setup, user_side, players) VALUES (?, ?, ?, "
                                     "?, ?, ?, ?, ?, ?)"));
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        for (const QVariant &value :
             {QVariant(modeCode(mode)), text(statusText(Status::InProgress)), QVariant(now),
              QVariant(now), text(setup.sides[0].team.Name.trimmed()),
              text(setup.sides[1].team.Name.trimmed()), QVariant(encodeSetup(setup)),
              userSide == 0 || userSide == 1 ? QVariant(userSide) : QVariant(),
              text(playerNames(setup))})
            query.addBindValue(value);
        if (!query.exec())
            return storeFailure(query.lastError());
        id = query.lastInsertId().toLongLong();
        return {};
    }();
    if (!error.isEmpty())
        fail(QCoreApplication::translate("MatchStore",
                                         "The match store %1 could not save the new match: %2.")
                 .arg(QDir::toNativeSeparators(m_path), error));
    return id;
}

bool MatchStore::appendOver(qint64 id, const MatchLog &log, int index)
{
    if (!saving() || id <= 0)
        return false;
    // Counted from the end: the over saved is the newest, so nothing is summed over by over.
    const auto later =
        std::accumulate(log.drawCounts.begin() + index + 1, log.drawCounts.end(), std::size_t(0));
    const std::size_t first = log.draws.size() - later - log.drawCounts[std::size_t(index)];
    QSqlDatabase db = QSqlDatabase::database(*m_connection);
    db.transaction();
    QString error = writeOvers(id, log, index, index + 1, first);
    if (error.isEmpty() && !db.commit())
        error = storeFailure(db.lastError());
    if (error.isEmpty())
        return true;
    db.rollback();
    return fail(
        QCoreApplication::translate("MatchStore", "The match store %1 could not save over %2: %3.")
            .arg(QDir::toNativeSeparators(m_path))
            .arg(index + 1)
            .arg(error));
}

bool MatchStore::appendOvers(qint64 id, const MatchLog &log, int from)
{
    if (!saving() || id <= 0)
        return false;
    const auto first =
        std::accumulate(log.drawCounts.begin(), log.drawCounts.begin() + from, std::size_t(0));
    const QString error = writeOvers(id, log, from, log.overs(), first);
    return error.isEmpty() || fail(QStringLiteral("The match store %1 could not save the match: "
                                                  "%2.")
                                       .arg(QDir::toNativeSeparators(m_path), error));
}

QString MatchStore::writeOvers(qint64 id, const MatchLog &log, int from, int to,
                               std::size_t firstDraw)
{
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.prepare(QStringLiteral("INSERT INTO overs (match, number, face, draws) VALUES "
                                 "(?, ?, ?, ?)"));
    for (int index = from; index < to; ++index) {
        const auto over = std::size_t(index);
        // Never a null array: that would be stored as NULL.
        QByteArray draws("");
        draws.append(reinterpret_cast<const char *>(log.draws.data() + firstDraw),
                     qsizetype(log.drawCounts[over]));
        firstDraw += log.drawCounts[over];
        query.addBindValue(id);
        query.addBindValue(index);
        query.addBindValue(int(log.faces[over]));
        query.addBindValue(draws);
        if (!query.exec())
            return storeFailure(query.lastError());
    }
    query.prepare(QStringLiteral("UPDATE matches SET updated = ? WHERE id = ?"));
    query.addBindValue(QDateTime::currentMSecsSinceEpoch());
    query.addBindValue(id);
    return query.exec() ? QString() : storeFailure(query.lastError());
}

bool MatchStore::setStatus(qint64 id, Status status, const MatchResult &result)
{
    if (!saving() || id <= 0)
        return false;
    const QString error = [&]() -> QString {
        QSqlQuery query(QSqlDatabase::database(*m_connection));
        query.prepare(QStringLiteral("UPDATE matches SET status = ?, outcome = ?, winner = ?, "
                                     "margin = ?, margin_unit = ?, updated = ? WHERE id = ?"));
        query.addBindValue(statusText(status));
        query.addBindValue(text(resultKindCode(result.kind)));
        const bool win = result.kind == MatchResult::Kind::Win;
        query.addBindValue(win ? QVariant(result.winner) : QVariant());
        query.addBindValue(win ? QVariant(result.margin) : QVariant());
        query.addBindValue(win ? QVariant(QStringLiteral("runs")) : QVariant());
        query.addBindValue(QDateTime::currentMSecsSinceEpoch());
        query.addBindValue(id);
        return query.exec() ? QString() : storeFailure(query.lastError());
    }();
    return error.isEmpty() ||
           fail(QCoreApplication::translate(
                    "MatchStore", "The match store %1 could not save the match's status: %2.")
                    .arg(QDir::toNativeSeparators(m_path), error));
}

std::optional<MatchStore::Entry> MatchStore::lastInProgress()
{
    if (!saving())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.prepare(QStringLiteral("SELECT id FROM matches WHERE status = ? ORDER BY updated DESC "
                                 "LIMIT 1"));
    query.addBindValue(statusText(Status::InProgress));
    if (!query.exec() || !query.next())
        return std::nullopt;
    return entry(query.value(0).toLongLong());
}

std::optional<MatchStore::Entry> MatchStore::entry(qint64 id)
{
    if (!saving())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.prepare(QStringLiteral("SELECT id, mode, status, started, team1, team2, outcome, "
                                 "winner, margin, user_side FROM matches WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return Entry{query.value(0).toLongLong(),
                 modeOfCode(query.value(1).toString()),
                 statusOf(query.value(2).toString()),
                 QDateTime::fromMSecsSinceEpoch(query.value(3).toLongLong()),
                 query.value(4).toString(),
                 query.value(5).toString(),
                 storedResult(query, 6),
                 query.value(9).isNull() ? -1 : query.value(9).toInt(),
                 {},
                 0,
                 {}};
}

QString MatchStore::readLog(qint64 id, MatchLog &log)
{
    if (!saving())
        return m_problem;
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.prepare(QStringLiteral("SELECT setup FROM matches WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return QCoreApplication::translate("MatchStore", "the match is not in the store");
    MatchLog read;
    if (QString error = decodeSetup(query.value(0).toByteArray(), read.setup); !error.isEmpty())
        return error;
    query.prepare(QStringLiteral("SELECT number, face, draws FROM overs WHERE match = ? ORDER BY "
                                 "number"));
    query.addBindValue(id);
    if (!query.exec())
        return storeFailure(query.lastError());
    while (query.next()) {
        if (query.value(0).toLongLong() != read.overs())
            return QCoreApplication::translate("MatchStore", "over %1 is missing")
                .arg(read.overs() + 1);
        const qint64 face = query.value(1).toLongLong();
        const QByteArray draws = query.value(2).toByteArray();
        if (face < 0 || face > 255 || draws.size() > 255)
            return QCoreApplication::translate("MatchStore", "over %1 is damaged")
                .arg(read.overs() + 1);
        read.faces.push_back(quint8(face));
        read.drawCounts.push_back(quint8(draws.size()));
        read.draws.insert(read.draws.end(), draws.begin(), draws.end());
    }
    log = std::move(read);
    return {};
}
