// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
// The history's list and the match's removal.
#include "core/store/MatchStore.h"

#include "core/match/Match.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

QString playerNames(const MatchSetup &setup)
{
    QStringList names;
    for (const Side &side : setup.sides) {
        for (std::size_t n = 1; n <= 11; ++n) {
            names << side.team.Players[n].trimmed();
            if (!side.origins[n].fullName.isEmpty())
                names << side.origins[n].fullName;
        }
    }
    return names.join(u'\n');
}

QList<MatchStore::Entry> MatchStore::history(QString *why)
{
    QList<Entry> entries;
    if (!saving()) {
        if (why)
            *why = m_problem;
        return entries;
    }
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.setForwardOnly(true);
    // Where an unfinished match stands comes from the number of its overs.
    if (!query.exec(
            u"SELECT m.id, m.mode, m.status, m.started, m.team1, m.team2, m.outcome, "
            "m.winner, m.margin, m.players, CASE WHEN m.status = 'finished' THEN 0 ELSE (SELECT "
            "coalesce(max(number) + 1, 0) FROM overs WHERE match = m.id) END, c.kind, "
            "c.name, f.number, f.round FROM matches m LEFT JOIN fixtures f ON f.match = "
            "m.id LEFT JOIN competitions c ON c.id = f.competition ORDER BY m.started "
            "DESC, m.id DESC"_s)) {
        if (why)
            *why = QCoreApplication::translate("MatchStore",
                                               "The match history could not be read: %1.")
                       .arg(storeFailure(query.lastError()));
        return entries;
    }
    while (query.next()) {
        const bool series = query.value(11).toString() == u"series"_s;
        entries.append(Entry{
            query.value(0).toLongLong(), modeOfCode(query.value(1).toString()),
            statusOf(query.value(2).toString()),
            QDateTime::fromMSecsSinceEpoch(query.value(3).toLongLong()), query.value(4).toString(),
            query.value(5).toString(), storedResult(query, 6), -1, query.value(9).toString(),
            query.value(10).toInt(),
            query.value(12).isNull()
                ? QString()
                : (series ? QCoreApplication::translate("MatchStore", "%1, test %2")
                          : QCoreApplication::translate("MatchStore", "%1, round %2"))
                      .arg(query.value(12).toString(), query.value(series ? 13 : 14).toString())});
    }
    return entries;
}

QString MatchStore::deleteMatch(qint64 id)
{
    if (!saving())
        return m_problem;
    // The overs and the derived rows go with it (ON DELETE CASCADE).
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.prepare(u"DELETE FROM matches WHERE id = ?"_s);
    query.addBindValue(id);
    if (!query.exec())
        return QCoreApplication::translate("MatchStore", "The match could not be deleted: %1.")
            .arg(storeFailure(query.lastError()));
    return query.numRowsAffected() == 1
               ? QString()
               : QCoreApplication::translate("MatchStore", "The match is no longer in the store.");
}

QString MatchStore::replayMatch(qint64 id, Match &into, RandomSource &random)
{
    MatchLog log;
    QString error = readLog(id, log);
    if (error.isEmpty())
        error = into.replay(log, random);
    return error;
}
