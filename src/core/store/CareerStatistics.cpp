// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/CareerStatistics.h"
#include "core/store/Schema.h"

#include "core/common/RandomSource.h"
#include "core/match/Match.h"
#include "core/store/MatchRecords.h"
#include "core/store/MatchStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

const QList<SchemaStep> &Schema::careers()
{
    static const QList<SchemaStep> steps{
        // The batting of file players in finished matches.
        {3,
         {QStringLiteral("CREATE TABLE appearances (player INTEGER NOT NULL, match INTEGER NOT "
                         "NULL REFERENCES matches(id) ON DELETE CASCADE, name TEXT NOT NULL, "
                         "team TEXT NOT NULL, PRIMARY KEY (player, match)) WITHOUT ROWID"),
          QStringLiteral("CREATE INDEX appearances_by_match ON appearances(match)"),
          QStringLiteral("CREATE TABLE batting (match INTEGER NOT NULL REFERENCES matches(id) "
                         "ON DELETE CASCADE, innings INTEGER NOT NULL, position INTEGER NOT "
                         "NULL, player INTEGER NOT NULL, runs INTEGER NOT NULL, balls INTEGER "
                         "NOT NULL, dismissal INTEGER NOT NULL, PRIMARY KEY (match, innings, "
                         "position)) WITHOUT ROWID"),
          QStringLiteral("CREATE INDEX batting_by_player ON batting(player, runs, balls, "
                         "dismissal)")}},
        // A file player's runs in a match, for the records book.
        {4, {QStringLiteral("ALTER TABLE appearances ADD COLUMN runs INTEGER NOT NULL DEFAULT 0")}},
    };
    return steps;
}

bool CareerStatistics::write(qint64 id, const MatchSetup &setup, const Match *finished)
{
    QSqlQuery query(m_store.database());
    query.prepare(u"UPDATE matches SET players = ? WHERE id = ?"_s);
    query.addBindValue(playerNames(setup));
    query.addBindValue(id);
    if (!query.exec())
        return false;
    if (!finished)
        return true;
    // In-built teams record no statistics, as the team-mode question promises; their
    // matches still count for the team records. Nor do the players of a network match joined
    // here: their records are in the host's player file, not this one.
    query.prepare(u"SELECT 1 FROM network_links WHERE match = ? AND host = 0"_s);
    query.addBindValue(id);
    if (!query.exec())
        return false;
    if (setup.source != TeamSource::PlayerFile || query.next())
        return MatchRecords(m_store).add(id, *finished);
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
                  QVariant(int(batting.how))})
                query.addBindValue(value);
            if (!query.exec())
                return false;
        }
    }
    return MatchRecords(m_store).add(id, *finished);
}

bool CareerStatistics::finish(qint64 id, const Match &match, int stored)
{
    if (!m_store.saving() || id <= 0)
        return false;
    QSqlDatabase db = m_store.database();
    db.transaction();
    // A failed over or status has already stopped the store, and closing it rolled back.
    if ((stored < match.log().overs() && !m_store.appendOvers(id, match.log(), stored)) ||
        !m_store.setStatus(id, MatchStore::Status::Finished, match.result()))
        return false;
    if (write(id, match.log().setup, &match) && db.commit())
        return true;
    return failed(db);
}

bool CareerStatistics::failed(QSqlDatabase db)
{
    const QString why = storeFailure(db.lastError());
    db.rollback();
    return m_store.fail(
        QCoreApplication::translate("CareerStatistics",
                                    "The match store %1 could not save the match's end: %2.")
            .arg(QDir::toNativeSeparators(m_store.path()), why));
}

QList<CareerLine> CareerStatistics::careers(qint64 competition)
{
    QList<CareerLine> lines;
    if (!m_store.saving())
        return lines;
    QSqlQuery query(m_store.database());
    query.setForwardOnly(true);
    const QString matches =
        competition > 0
            ? u"WHERE match IN (SELECT match FROM fixtures WHERE competition = %1)"_s.arg(
                  competition)
            : QString();
    // SQLite takes the bare name and team from the row of max(match): the latest match.
    const bool read = query.exec(
        u"SELECT a.player, a.name, a.team, a.matches, coalesce(b.innings, 0), "
        "coalesce(b.notOuts, 0), coalesce(b.runs, 0), coalesce(b.best, 0), coalesce(b.balls, 0), "
        "coalesce(b.hundreds, 0), coalesce(b.fifties, 0), coalesce(b.ducks, 0), "
        "coalesce(b.d1, 0), coalesce(b.d2, 0), coalesce(b.d3, 0), coalesce(b.d4, 0), "
        "coalesce(b.d5, 0) "
        "FROM (SELECT player, max(match), name, team, count(*) AS matches FROM appearances "
        "%1 GROUP BY player) AS a "
        "LEFT JOIN (SELECT player, count(*) AS innings, sum(dismissal = 0) AS notOuts, "
        "sum(runs) AS runs, max(runs * 2 + (dismissal = 0)) AS best, sum(balls) AS balls, "
        "sum(runs >= 100) AS hundreds, sum(runs >= 50 AND runs < 100) AS fifties, "
        "sum(runs = 0 AND dismissal > 0) AS ducks, sum(dismissal = 1) AS d1, "
        "sum(dismissal = 2) AS d2, sum(dismissal = 3) AS d3, sum(dismissal = 4) AS d4, "
        "sum(dismissal = 5) AS d5 FROM batting %1 GROUP BY player) AS b USING (player) "
        "ORDER BY a.player"_s.arg(matches));
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

int CareerStatistics::rebuild()
{
    if (!m_store.saving())
        return -1;
    QSqlDatabase db = m_store.database();
    db.transaction();
    QList<std::pair<qint64, MatchStore::Status>> matches;
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(u"DELETE FROM appearances"_s);
        query.exec(u"DELETE FROM batting"_s);
        MatchRecords(m_store).clear();
        query.exec(u"SELECT id, status FROM matches ORDER BY id"_s);
        while (query.next())
            matches.append({query.value(0).toLongLong(), statusOf(query.value(1).toString())});
    }
    TimeSeededRandom unused;
    qsizetype read = 0;
    for (const auto &[id, status] : matches) {
        MatchLog log;
        // A log that cannot be read keeps its row in the history and adds no statistics.
        if (!m_store.readLog(id, log).isEmpty())
            log = MatchLog{};
        Match match;
        const bool finished =
            status == MatchStore::Status::Finished && match.replay(log, unused).isEmpty();
        if (!write(id, log.setup, finished ? &match : nullptr))
            break;
        ++read;
    }
    if (read == matches.size() && db.commit()) {
        m_store.setRebuildDue(false);
        return int(read);
    }
    const QString why = storeFailure(db.lastError());
    db.rollback();
    m_store.fail(QCoreApplication::translate(
                     "CareerStatistics", "The match store %1 could not rebuild its statistics: %2.")
                     .arg(QDir::toNativeSeparators(m_store.path()), why));
    return -1;
}

bool CareerStatistics::rebuildIfDue()
{
    return !m_store.rebuildDue() || rebuild() >= 0;
}
