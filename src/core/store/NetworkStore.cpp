// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/NetworkStore.h"
#include "core/store/Schema.h"

#include "core/store/MatchStore.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

const QList<SchemaStep> &Schema::network()
{
    static const QList<SchemaStep> steps{
        {8,
         {u"CREATE TABLE network_links (match INTEGER PRIMARY KEY REFERENCES matches(id) ON "
          "DELETE CASCADE, host INTEGER NOT NULL, address TEXT NOT NULL, port INTEGER NOT NULL, "
          "code TEXT NOT NULL)"_s,
          u"CREATE TABLE network_rounds (match INTEGER NOT NULL REFERENCES matches(id) ON "
          "DELETE CASCADE, number INTEGER NOT NULL, nonce BLOB NOT NULL, commitment BLOB NOT "
          "NULL, PRIMARY KEY (match, number)) WITHOUT ROWID"_s}},
    };
    return steps;
}

bool NetworkStore::saveLink(qint64 match, const NetworkLinkRecord &link)
{
    if (!m_store.saving())
        return false;
    QSqlQuery query(m_store.database());
    query.prepare(u"INSERT OR REPLACE INTO network_links (match, host, address, port, code) "
                  "VALUES (?, ?, ?, ?, ?)"_s);
    for (const QVariant &value : {QVariant(match), QVariant(link.host),
                                  QVariant(link.address.isNull() ? u""_s : link.address),
                                  QVariant(int(link.port)), QVariant(link.code)})
        query.addBindValue(value);
    return query.exec() || m_store.fail(QCoreApplication::translate(
                               "NetworkStore", "The network match could not be saved"));
}

std::optional<NetworkLinkRecord> NetworkStore::link(qint64 match)
{
    if (!m_store.saving())
        return std::nullopt;
    QSqlQuery query(m_store.database());
    query.prepare(u"SELECT host, address, port, code FROM network_links WHERE match = ?"_s);
    query.addBindValue(match);
    if (!query.exec() || !query.next())
        return std::nullopt;
    return NetworkLinkRecord{query.value(0).toBool(), query.value(1).toString(),
                             quint16(query.value(2).toUInt()), query.value(3).toString()};
}

bool NetworkStore::saveRound(qint64 match, const StoredRound &round)
{
    if (!m_store.saving())
        return false;
    QSqlDatabase db = m_store.database();
    QSqlQuery query(db);
    db.transaction();
    query.prepare(u"INSERT OR REPLACE INTO network_rounds VALUES (?, ?, ?, ?)"_s);
    for (const QVariant &value :
         {QVariant(match), QVariant(round.number), QVariant(round.nonce),
          QVariant(round.theirCommitment.isNull() ? QByteArray("") : round.theirCommitment)})
        query.addBindValue(value);
    bool saved = query.exec();
    // Only the round before is ever asked for again.
    query.prepare(u"DELETE FROM network_rounds WHERE match = ? AND number + 1 < ?"_s);
    query.addBindValue(match);
    query.addBindValue(round.number);
    saved = saved && query.exec() && db.commit();
    if (!saved)
        db.rollback();
    return saved || m_store.fail(QCoreApplication::translate(
                        "NetworkStore", "The network match could not be saved"));
}

QList<StoredRound> NetworkStore::rounds(qint64 match)
{
    QList<StoredRound> rounds;
    if (!m_store.saving())
        return rounds;
    QSqlQuery query(m_store.database());
    query.prepare(
        u"SELECT number, nonce, commitment FROM network_rounds WHERE match = ? ORDER BY number"_s);
    query.addBindValue(match);
    if (query.exec()) {
        while (query.next())
            rounds.append({query.value(0).toUInt(), query.value(1).toByteArray(),
                           query.value(2).toByteArray()});
    }
    return rounds;
}
