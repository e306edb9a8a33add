// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/SideStore.h"
#include "core/store/Schema.h"

#include "core/competition/Competition.h"
#include "core/match/InBuiltTeams.h"
#include "core/players/PlayerFile.h"
#include "core/players/TeamSheet.h"
#include "core/store/MatchStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

using namespace Qt::StringLiterals;

const QList<SchemaStep> &Schema::sides()
{
    static const QList<SchemaStep> steps{
        {5,
         {QStringLiteral("CREATE TABLE sides (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE "
                         "COLLATE NOCASE, country TEXT NOT NULL, created INTEGER NOT NULL)"),
          QStringLiteral("CREATE TABLE side_players (side INTEGER NOT NULL REFERENCES sides(id) "
                         "ON DELETE CASCADE, position INTEGER NOT NULL, record INTEGER NOT NULL, "
                         "name TEXT NOT NULL, PRIMARY KEY (side, position)) WITHOUT ROWID")}},
        // A deleted side's id is never handed out again, not even one a competition still
        // names: a fixture played later must not find a new side under the old id.
        {7,
         {QStringLiteral("CREATE TABLE sides_new (id INTEGER PRIMARY KEY AUTOINCREMENT, name "
                         "TEXT NOT NULL UNIQUE COLLATE NOCASE, country TEXT NOT NULL, created "
                         "INTEGER NOT NULL)"),
          QStringLiteral("INSERT INTO sides_new SELECT id, name, country, created FROM sides"),
          QStringLiteral("DROP TABLE sides"),
          QStringLiteral("ALTER TABLE sides_new RENAME TO sides"),
          QStringLiteral("DELETE FROM sqlite_sequence WHERE name IN ('sides', 'sides_new')"),
          QStringLiteral("INSERT INTO sqlite_sequence (name, seq) SELECT 'sides', max(coalesce("
                         "(SELECT max(id) FROM sides), 0), coalesce((SELECT max(side) FROM "
                         "competition_sides), 0))")}},
    };
    return steps;
}

namespace {

// The in-built side of place 0 or 1 (Australia, England).
SavedSide inBuiltSide(std::size_t place)
{
    const Side side = ::inBuiltSides()[place];
    SavedSide saved{
        place == 0 ? SideStore::Australia : SideStore::England,
        QCoreApplication::translate("SideStore", "%1 (in-built)").arg(side.team.Name.trimmed()),
        side.team.Name.trimmed(),
        0,
        {}};
    for (std::size_t n = 0; n < saved.players.size(); ++n)
        saved.players[n] = {0, side.team.Players[n + 1].trimmed()};
    return saved;
}

std::size_t inBuiltPlace(qint64 id)
{
    return id == SideStore::Australia ? 0 : 1;
}

} // namespace

QList<SavedSide> SideStore::inBuiltSides()
{
    return {inBuiltSide(0), inBuiltSide(1)};
}

QString SideStore::storeProblem() const
{
    return m_store.problem().isEmpty()
               ? QCoreApplication::translate("SideStore", "The match store is not open.")
               : m_store.problem();
}

QList<SavedSide> SideStore::sides()
{
    QList<SavedSide> all = inBuiltSides();
    if (!m_store.saving())
        return all;
    QSqlQuery query(m_store.database());
    query.setForwardOnly(true);
    if (!query.exec(u"SELECT s.id, s.name, s.country, s.created, p.position, p.record, p.name "
                    "FROM sides s JOIN side_players p ON p.side = s.id ORDER BY s.name, s.id, "
                    "p.position"_s))
        return all;
    while (query.next()) {
        const qint64 id = query.value(0).toLongLong();
        if (all.last().id != id)
            all.append({id,
                        query.value(1).toString(),
                        query.value(2).toString(),
                        query.value(3).toLongLong(),
                        {}});
        const int position = query.value(4).toInt();
        if (position >= 0 && position < 11)
            all.last().players[std::size_t(position)] = {query.value(5).toInt(),
                                                         query.value(6).toString()};
    }
    return all;
}

std::optional<SavedSide> SideStore::side(qint64 id)
{
    if (id == Australia || id == England)
        return inBuiltSide(inBuiltPlace(id));
    for (const SavedSide &side : sides()) {
        if (side.id == id)
            return side;
    }
    return std::nullopt;
}

QString SideStore::nameProblem(const QString &name, qint64 except)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return QCoreApplication::translate("SideStore", "A side needs a name.");
    if (trimmed.size() > LongestName)
        return QCoreApplication::translate("SideStore", "A side's name has at most %1 characters.")
            .arg(LongestName);
    for (QChar c : trimmed) {
        if (!c.isPrint())
            return QCoreApplication::translate(
                "SideStore",
                "A side's name cannot hold tabs, line breaks or other control characters.");
    }
    for (const SavedSide &side : sides()) {
        if (side.id != except && side.name.compare(trimmed, Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("SideStore",
                                               "There is already a side of that name.");
    }
    return {};
}

QString SideStore::add(SavedSide &side)
{
    if (!m_store.saving())
        return storeProblem();
    for (const SidePlayer &player : side.players) {
        if (player.recordNumber < 2 || player.recordNumber > PlayerFile::MaxRecords ||
            player.fullName.trimmed().isEmpty())
            return QCoreApplication::translate(
                "SideStore", "A side needs eleven players from the player database.");
    }
    if (QString problem = nameProblem(side.name); !problem.isEmpty())
        return problem;
    QSqlDatabase db = m_store.database();
    const qint64 created = QDateTime::currentSecsSinceEpoch();
    qint64 id = 0;
    db.transaction();
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO sides (name, country, created) VALUES (?, ?, ?)"_s);
    query.addBindValue(side.name.trimmed());
    query.addBindValue(side.country.isNull() ? u""_s : side.country);
    query.addBindValue(created);
    bool done = query.exec();
    if (done) {
        id = query.lastInsertId().toLongLong();
        query.prepare(u"INSERT INTO side_players (side, position, record, name) VALUES "
                      "(?, ?, ?, ?)"_s);
        for (std::size_t n = 0; done && n < side.players.size(); ++n) {
            query.addBindValue(id);
            query.addBindValue(int(n));
            query.addBindValue(side.players[n].recordNumber);
            query.addBindValue(side.players[n].fullName);
            done = query.exec();
        }
    }
    if (!done || !db.commit()) {
        const QString why =
            (query.lastError().isValid() ? query.lastError() : db.lastError()).text();
        db.rollback();
        return QCoreApplication::translate("SideStore", "The side could not be saved: %1.")
            .arg(why);
    }
    side.id = id;
    side.name = side.name.trimmed();
    side.created = created;
    return {};
}

QString SideStore::rename(qint64 id, const QString &name)
{
    if (id < 0)
        return QCoreApplication::translate("SideStore", "The in-built sides cannot be renamed.");
    if (!m_store.saving())
        return storeProblem();
    if (!side(id))
        return QCoreApplication::translate("SideStore",
                                           "The side is no longer in the match store.");
    if (QString problem = nameProblem(name, id); !problem.isEmpty())
        return problem;
    QSqlQuery query(m_store.database());
    query.prepare(u"UPDATE sides SET name = ? WHERE id = ?"_s);
    query.addBindValue(name.trimmed());
    query.addBindValue(id);
    return query.exec()
               ? QString()
               : QCoreApplication::translate("SideStore", "The side could not be renamed: %1.")
                     .arg(storeFailure(query.lastError()));
}

QString SideStore::remove(qint64 id)
{
    if (id < 0)
        return QCoreApplication::translate("SideStore", "The in-built sides cannot be deleted.");
    if (!m_store.saving())
        return storeProblem();
    const std::optional<SavedSide> doomed = side(id);
    if (!doomed)
        return QCoreApplication::translate("SideStore",
                                           "The side is no longer in the match store.");
    QSqlQuery query(m_store.database());
    // Unfinished while any fixture is unplayed or its match not finished.
    query.prepare(u"SELECT c.kind, c.name FROM competitions c JOIN competition_sides s ON "
                  "s.competition = c.id WHERE s.side = ? AND EXISTS (SELECT 1 FROM fixtures f "
                  "LEFT JOIN matches m ON m.id = f.match WHERE f.competition = c.id AND "
                  "(m.id IS NULL OR m.status <> ?)) ORDER BY c.created, c.id LIMIT 1"_s);
    query.addBindValue(id);
    query.addBindValue(statusText(MatchStore::Status::Finished));
    if (!query.exec())
        return QCoreApplication::translate("SideStore", "The side could not be deleted: %1.")
            .arg(storeFailure(query.lastError()));
    if (query.next())
        return (kindOf(query.value(0).toString()) == CompetitionKind::League
                    ? QCoreApplication::translate("SideStore",
                                                  "\"%1\" plays in the league \"%2\", which is not "
                                                  "finished yet, so it cannot be deleted.")
                    : QCoreApplication::translate("SideStore",
                                                  "\"%1\" plays in the series \"%2\", which is not "
                                                  "finished yet, so it cannot be deleted."))
            .arg(doomed->name, query.value(1).toString());
    query.finish();
    query.prepare(u"DELETE FROM sides WHERE id = ?"_s);
    query.addBindValue(id);
    return query.exec()
               ? QString()
               : QCoreApplication::translate("SideStore", "The side could not be deleted: %1.")
                     .arg(storeFailure(query.lastError()));
}

QString matchSide(const SavedSide &side, const PlayerFile &file, int place, Side &into)
{
    if (side.inBuilt()) {
        into = ::inBuiltSides()[inBuiltPlace(side.id)];
        return {};
    }
    TeamSheet sheet;
    QStringList missing;
    for (const SidePlayer &player : side.players) {
        const FileResult<PlayerRecord> read = file.ReadRecord(player.recordNumber);
        if (read.error == FileError::FileNotFound)
            return QCoreApplication::translate(
                       "SideStore",
                       "The player database file \"%1\" does not exist, so the side \"%2\" cannot "
                       "play.")
                .arg(file.path(), side.name);
        if (!read.ok() && read.error != FileError::BadRecordNumber)
            return QCoreApplication::translate(
                       "SideStore",
                       "The player database file \"%1\" could not be read (%2), so the side "
                       "\"%3\" cannot play.")
                .arg(file.path(), FileError::reason(read.error), side.name);
        if (player.recordNumber < 2 || !read.ok() ||
            read.value.PlayerName.trimmed() != player.fullName)
            missing << QCoreApplication::translate("SideStore", "%1 (record %2)")
                           .arg(player.fullName)
                           .arg(player.recordNumber);
        else
            sheet.add(read.value, player.recordNumber);
    }
    if (!missing.isEmpty())
        return QCoreApplication::translate(
                   "SideStore",
                   "These players of the side \"%1\" are no longer in the player database \"%2\": "
                   "%3. The file may have been replaced or cut.")
            .arg(side.name, file.path(), missing.join(u", "_s));
    Side built = ::inBuiltSides()[place == 0 ? 0 : 1];
    sheet.writeSide(built, side.name);
    into = built;
    return {};
}

QString matchSides(const SavedSide &first, const SavedSide &second, const PlayerFile &file,
                   std::array<Side, 2> &into)
{
    // A saved side takes the colours the in-built side opposite it does not wear.
    const auto colours = [](const SavedSide &other, int place) {
        return other.inBuilt() && int(inBuiltPlace(other.id)) == place ? 1 - place : place;
    };
    if (first.id == second.id)
        return QCoreApplication::translate(
            "SideStore", "A side cannot play itself: choose two different sides.");
    std::array<Side, 2> built;
    QStringList problems;
    for (const QString &problem : {matchSide(first, file, colours(second, 0), built[0]),
                                   matchSide(second, file, colours(first, 1), built[1])}) {
        if (!problem.isEmpty())
            problems << problem;
    }
    if (!problems.isEmpty())
        return problems.join(u"\n\n"_s);
    into = built;
    return {};
}

TeamSource teamSource(const SavedSide &first, const SavedSide &second)
{
    return first.inBuilt() || second.inBuilt() ? TeamSource::InBuilt : TeamSource::PlayerFile;
}
