// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
// The history and the statistics: rows derived from the logs, which can always be derived again.
#include "core/common/RandomSource.h"
#include "core/match/Match.h"
#include "core/store/MatchStore.h"

#include <QSqlDatabase>
#include <QSqlError>
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

bool MatchStore::writeDerived(qint64 id, const MatchSetup &setup, const Match *finished)
{
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.prepare(u"UPDATE matches SET players = ? WHERE id = ?"_s);
    query.addBindValue(playerNames(setup));
    query.addBindValue(id);
    if (!query.exec())
        return false;
    // In-built teams record no statistics, as the team-mode question promises.
    if (!finished || setup.source != TeamSource::PlayerFile)
        return true;
    query.prepare(u"INSERT OR IGNORE INTO appearances (player, match, name, team) VALUES "
                  "(?, ?, ?, ?)"_s);
    for (const Side &side : setup.sides) {
        for (std::size_t n = 1; n <= 11; ++n) {
            if (side.origins[n].recordNumber <= 0)
                continue;
            query.addBindValue(side.origins[n].recordNumber);
            query.addBindValue(id);
            query.addBindValue(side.origins[n].fullName);
            query.addBindValue(side.team.Name.trimmed());
            if (!query.exec())
                return false;
        }
    }
    query.prepare(u"INSERT INTO batting (match, innings, position, player, runs, balls, "
                  "dismissal) VALUES (?, ?, ?, ?, ?, ?, ?)"_s);
    for (int innings = 1; innings <= 4; ++innings) {
        if (!finished->inningsOpen(innings))
            continue;
        const Side &side = setup.sides[std::size_t((innings - 1) % 2)];
        const InningsModel &card = finished->innings(innings);
        for (std::size_t line = 0; line < card.lines.size(); ++line) {
            const BattingLine &batting = card.lines[line];
            const int player = side.origins[line + 1].recordNumber;
            // A batsman with no runs figure never came in.
            if (player <= 0 || !batting.runs)
                continue;
            for (const QVariant &value :
                 {QVariant(id), QVariant(innings), QVariant(int(line) + 1), QVariant(player),
                  QVariant(*batting.runs), QVariant(batting.balls.value_or(0)),
                  QVariant(int(dismissalOf(batting.howOut)))})
                query.addBindValue(value);
            if (!query.exec())
                return false;
        }
    }
    return true;
}

bool MatchStore::finishMatch(qint64 id, const Match &match)
{
    if (!saving() || id <= 0)
        return false;
    QSqlDatabase db = QSqlDatabase::database(*m_connection);
    db.transaction();
    const bool done = [&] {
        QSqlQuery query(db);
        query.prepare(u"UPDATE matches SET status = ?, result = ?, updated = ? WHERE id = ?"_s);
        query.addBindValue(statusText(Status::Finished));
        query.addBindValue(match.resultText());
        query.addBindValue(QDateTime::currentMSecsSinceEpoch());
        query.addBindValue(id);
        return query.exec() && writeDerived(id, match.log().setup, &match);
    }();
    if (done && db.commit())
        return true;
    const QString why = db.lastError().text();
    db.rollback();
    return fail(u"The match store %1 could not save the match's end: %2."_s.arg(m_path, why));
}

qint64 MatchStore::saveWholeMatch(const Match &match, const QString &mode)
{
    if (!saving())
        return 0;
    const MatchLog &log = match.log();
    QSqlDatabase db = QSqlDatabase::database(*m_connection);
    db.transaction();
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO matches (mode, status, started, updated, team1, team2, setup, "
                  "result) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"_s);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (const QVariant &value :
         {QVariant(mode), QVariant(statusText(Status::Finished)), QVariant(now), QVariant(now),
          QVariant(log.setup.sides[0].team.Name.trimmed()),
          QVariant(log.setup.sides[1].team.Name.trimmed()), QVariant(encodeSetup(log.setup)),
          QVariant(match.resultText())})
        query.addBindValue(value);
    bool done = query.exec();
    const qint64 id = query.lastInsertId().toLongLong();
    query.prepare(u"INSERT INTO overs (match, number, face, draws) VALUES (?, ?, ?, ?)"_s);
    std::size_t first = 0;
    for (int over = 0; done && over < log.overs(); ++over) {
        const std::size_t count = log.drawCounts[std::size_t(over)];
        QByteArray draws("");
        draws.append(reinterpret_cast<const char *>(log.draws.data() + first), qsizetype(count));
        first += count;
        query.addBindValue(id);
        query.addBindValue(over);
        query.addBindValue(int(log.faces[std::size_t(over)]));
        query.addBindValue(draws);
        done = query.exec();
    }
    if (done && writeDerived(id, log.setup, &match) && db.commit())
        return id;
    const QString why = (query.lastError().isValid() ? query.lastError() : db.lastError()).text();
    db.rollback();
    fail(u"The match store %1 could not save the match: %2."_s.arg(m_path, why));
    return 0;
}

QList<MatchStore::Entry> MatchStore::history()
{
    QList<Entry> entries;
    if (!saving())
        return entries;
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.setForwardOnly(true);
    // Where an unfinished match stands comes from the number of its overs.
    if (!query.exec(u"SELECT id, mode, status, started, team1, team2, result, players, CASE "
                    "WHEN status = 'finished' THEN 0 ELSE (SELECT coalesce(max(number) + 1, 0) "
                    "FROM overs WHERE match = matches.id) END FROM matches ORDER BY started "
                    "DESC, id DESC"_s))
        return entries;
    while (query.next())
        entries.append(Entry{query.value(0).toLongLong(), query.value(1).toString(),
                             statusOf(query.value(2).toString()),
                             QDateTime::fromMSecsSinceEpoch(query.value(3).toLongLong()),
                             query.value(4).toString(), query.value(5).toString(),
                             query.value(6).toString(), -1, query.value(7).toString(),
                             query.value(8).toInt()});
    return entries;
}

bool MatchStore::deleteMatch(qint64 id)
{
    if (!saving())
        return false;
    // The overs and the derived rows go with it (ON DELETE CASCADE).
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.prepare(u"DELETE FROM matches WHERE id = ?"_s);
    query.addBindValue(id);
    return query.exec() && query.numRowsAffected() == 1;
}

QList<CareerLine> MatchStore::careers()
{
    QList<CareerLine> lines;
    if (!saving())
        return lines;
    QSqlQuery query(QSqlDatabase::database(*m_connection));
    query.setForwardOnly(true);
    // SQLite takes the bare name and team from the row of max(match): the latest match.
    const bool read = query.exec(
        u"SELECT a.player, a.name, a.team, a.matches, coalesce(b.innings, 0), "
        "coalesce(b.notOuts, 0), coalesce(b.runs, 0), coalesce(b.best, 0), coalesce(b.balls, 0), "
        "coalesce(b.hundreds, 0), coalesce(b.fifties, 0), coalesce(b.ducks, 0), "
        "coalesce(b.d1, 0), coalesce(b.d2, 0), coalesce(b.d3, 0), coalesce(b.d4, 0), "
        "coalesce(b.d5, 0) "
        "FROM (SELECT player, max(match), name, team, count(*) AS matches FROM appearances "
        "GROUP BY player) AS a "
        "LEFT JOIN (SELECT player, count(*) AS innings, sum(dismissal = 0) AS notOuts, "
        "sum(runs) AS runs, max(runs * 2 + (dismissal = 0)) AS best, sum(balls) AS balls, "
        "sum(runs >= 100) AS hundreds, sum(runs >= 50 AND runs < 100) AS fifties, "
        "sum(runs = 0 AND dismissal > 0) AS ducks, sum(dismissal = 1) AS d1, "
        "sum(dismissal = 2) AS d2, sum(dismissal = 3) AS d3, sum(dismissal = 4) AS d4, "
        "sum(dismissal = 5) AS d5 FROM batting GROUP BY player) AS b USING (player) "
        "ORDER BY a.player"_s);
    if (!read)
        return lines;
    while (query.next()) {
        CareerLine line;
        const auto number = [&query](int column) {
            return query.value(column).toInt();
        };
        line.player = number(0);
        line.name = query.value(1).toString();
        line.team = query.value(2).toString();
        line.matches = number(3);
        line.innings = number(4);
        line.notOuts = number(5);
        line.runs = number(6);
        line.highest = number(7) / 2;
        line.highestNotOut = line.innings > 0 && number(7) % 2 == 1;
        line.balls = number(8);
        line.hundreds = number(9);
        line.fifties = number(10);
        line.ducks = number(11);
        for (std::size_t kind = 0; kind < line.dismissals.size(); ++kind)
            line.dismissals[kind] = number(12 + int(kind));
        lines.append(line);
    }
    return lines;
}

int MatchStore::rebuildDerived()
{
    if (!saving())
        return -1;
    QSqlDatabase db = QSqlDatabase::database(*m_connection);
    db.transaction();
    QList<std::pair<qint64, Status>> matches;
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(u"DELETE FROM appearances"_s);
        query.exec(u"DELETE FROM batting"_s);
        query.exec(u"SELECT id, status FROM matches ORDER BY id"_s);
        while (query.next())
            matches.append({query.value(0).toLongLong(), statusOf(query.value(1).toString())});
    }
    TimeSeededRandom unused;
    qsizetype read = 0;
    for (const auto &[id, status] : matches) {
        MatchLog log;
        // A log that cannot be read keeps its row in the history and adds no statistics.
        if (!readLog(id, log).isEmpty())
            log = MatchLog{};
        Match match;
        const bool finished = status == Status::Finished && match.replay(log, unused).isEmpty();
        if (!writeDerived(id, log.setup, finished ? &match : nullptr))
            break;
        ++read;
    }
    if (read == matches.size() && db.commit()) {
        m_rebuildDue = false;
        return int(read);
    }
    const QString why = db.lastError().text();
    db.rollback();
    fail(u"The match store %1 could not rebuild its statistics: %2."_s.arg(m_path, why));
    return -1;
}
