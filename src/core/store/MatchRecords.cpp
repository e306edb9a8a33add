// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/MatchRecords.h"
#include "core/store/Schema.h"

#include "core/charts/PartnershipPie.h"
#include "core/common/Moments.h"
#include "core/match/Match.h"
#include "core/store/MatchStore.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

const QList<SchemaStep> &Schema::records()
{
    static const QList<SchemaStep> steps{
        // Every finished match's totals, result and partnerships. Clearing the history's names
        // has every derived row worked out again from the logs.
        {4,
         {QStringLiteral("CREATE TABLE match_totals (match INTEGER PRIMARY KEY REFERENCES "
                         "matches(id) ON DELETE CASCADE, total1 INTEGER NOT NULL, total2 "
                         "INTEGER NOT NULL, decided INTEGER NOT NULL)"),
          QStringLiteral("CREATE TABLE innings_totals (match INTEGER NOT NULL REFERENCES "
                         "matches(id) ON DELETE CASCADE, innings INTEGER NOT NULL, runs INTEGER "
                         "NOT NULL, wickets INTEGER NOT NULL, PRIMARY KEY (match, innings)) "
                         "WITHOUT ROWID"),
          QStringLiteral("CREATE TABLE partnerships (match INTEGER NOT NULL REFERENCES "
                         "matches(id) ON DELETE CASCADE, innings INTEGER NOT NULL, wicket "
                         "INTEGER NOT NULL, runs INTEGER NOT NULL, unbroken INTEGER NOT NULL, "
                         "batsmen TEXT NOT NULL, PRIMARY KEY (match, innings, wicket)) WITHOUT "
                         "ROWID"),
          QStringLiteral("CREATE INDEX partnerships_by_wicket ON partnerships(wicket, runs)"),
          QStringLiteral("UPDATE matches SET players = NULL")}},
    };
    return steps;
}

namespace {

constexpr int TopOf = 10;
constexpr int AverageFromInnings = 10;

// The side batting in an innings of the row's match.
const QString inningsTeam = u"CASE t.innings % 2 WHEN 1 THEN m.team1 ELSE m.team2 END"_s;

// Runs a query whose WHERE clause gains `filter` (with one ? per `binds`) when a team is given.
bool select(QSqlQuery &query, const QString &sql, const QString &filter, const QString &team,
            int binds = 1)
{
    query.setForwardOnly(true);
    QString text = sql;
    text.replace(u"%filter"_s, team.isEmpty() ? u"1"_s : filter);
    if (!query.prepare(text))
        return false;
    for (int bind = 0; !team.isEmpty() && bind < binds; ++bind)
        query.addBindValue(team);
    return query.exec();
}

// The columns every query of a match's records starts with: id, started, team1, team2.
RecordRow matchRow(const QSqlQuery &query)
{
    RecordRow row;
    row.match = query.value(0).toLongLong();
    row.date = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong());
    row.teams = QCoreApplication::translate("MatchRecords", "%1 v %2")
                    .arg(query.value(2).toString(), query.value(3).toString());
    return row;
}

} // namespace

QString recordListTitle(RecordList which)
{
    switch (which) {
    case RecordList::HighestTotals:
        return QCoreApplication::translate("MatchRecords", "Highest innings totals");
    case RecordList::LowestTotals:
        return QCoreApplication::translate("MatchRecords", "Lowest completed totals (all out)");
    case RecordList::LargestWins:
        return QCoreApplication::translate("MatchRecords", "Largest wins by runs");
    case RecordList::HighestAggregates:
        return QCoreApplication::translate("MatchRecords", "Highest match aggregates");
    case RecordList::HighestScores:
        return QCoreApplication::translate("MatchRecords", "Highest individual scores");
    case RecordList::MostRunsInMatch:
        return QCoreApplication::translate("MatchRecords", "Most runs in a match");
    case RecordList::MostHundreds:
        return QCoreApplication::translate("MatchRecords", "Most hundreds");
    case RecordList::HighestAverage:
        return QCoreApplication::translate("MatchRecords",
                                           "Highest career average (at least 10 innings)");
    case RecordList::MostDucks:
        return QCoreApplication::translate("MatchRecords", "Most ducks");
    case RecordList::Partnerships:
        break;
    }
    return QCoreApplication::translate("MatchRecords", "Highest partnership for each wicket");
}

bool MatchRecords::add(qint64 id, const Match &finished)
{
    QSqlQuery query(m_store.database());
    const auto insert = [&query](const QVariantList &values) {
        for (const QVariant &value : values)
            query.addBindValue(value);
        return query.exec();
    };
    const MatchState &state = finished.state();
    const SummaryModel &summary = finished.summary();
    query.prepare(u"INSERT INTO match_totals (match, total1, total2, decided) VALUES "
                  "(?, ?, ?, ?)"_s);
    if (!insert({id, summary.total1, summary.total2, !state.TimeUp}))
        return false;
    query.prepare(u"INSERT INTO innings_totals (match, innings, runs, wickets) VALUES "
                  "(?, ?, ?, ?)"_s);
    for (int innings = 1; innings <= 4; ++innings) {
        if (finished.inningsOpen(innings)) {
            const InningsModel &card = finished.innings(innings);
            if (!insert({id, innings, card.total, card.wicketsShown}))
                return false;
        }
    }
    // The partnerships the chart draws, each by the wicket that ended it, and the one still
    // together when time ran out.
    query.prepare(u"INSERT INTO partnerships (match, innings, wicket, runs, unbroken, batsmen) "
                  "VALUES (?, ?, ?, ?, ?, ?)"_s);
    for (int innings = 1; innings <= 4; ++innings) {
        if (!finished.inningsOpen(innings))
            continue;
        const InningsModel &card = finished.innings(innings);
        const BattingCard &fallen = state.Cards[std::size_t(innings)];
        const PartnershipFigures figures = partnershipFigures(fallen);
        for (int wicket = 1; wicket <= card.wicketsShown; ++wicket) {
            if (!insert({id, innings, wicket, figures.Partnership[std::size_t(wicket)], false,
                         fallen.Pair[std::size_t(wicket)].trimmed()}))
                return false;
        }
        const int unbroken = card.total - fallen.FOW[std::size_t(card.wicketsShown)];
        if (innings == state.CurrentInnings && card.wicketsShown < 10 && unbroken > 0) {
            const auto name = [&card](int batsman) {
                return card.lines[std::size_t(batsman - 1)].name.trimmed();
            };
            if (!insert({id, innings, card.wicketsShown + 1, unbroken, true,
                         name(state.BatsmanA) + u'/' + name(state.BatsmanB)}))
                return false;
        }
    }
    // A file player's runs over all his innings of the match, for the most in a match.
    query.prepare(u"UPDATE appearances SET runs = (SELECT coalesce(sum(b.runs), 0) FROM batting "
                  "b WHERE b.match = appearances.match AND b.player = appearances.player) WHERE "
                  "match = ?"_s);
    return insert({id});
}

bool MatchRecords::clear()
{
    QSqlQuery query(m_store.database());
    return query.exec(u"DELETE FROM match_totals"_s) &&
           query.exec(u"DELETE FROM innings_totals"_s) && query.exec(u"DELETE FROM partnerships"_s);
}

QList<QList<RecordRow>> MatchRecords::book(const QString &team)
{
    QList<QList<RecordRow>> lists;
    for (int list = 0; list <= int(RecordList::Partnerships); ++list)
        lists << this->list(RecordList(list), team);
    return lists;
}

QStringList MatchRecords::teams()
{
    QStringList names;
    if (!m_store.saving())
        return names;
    QSqlQuery query(m_store.database());
    query.exec(u"SELECT team1 FROM matches WHERE id IN (SELECT match FROM match_totals) UNION "
               "SELECT team2 FROM matches WHERE id IN (SELECT match FROM match_totals)"_s);
    while (query.next())
        names << query.value(0).toString();
    names.sort(Qt::CaseInsensitive);
    return names;
}

QList<RecordRow> MatchRecords::list(RecordList which, const QString &team)
{
    QList<RecordRow> rows;
    if (!m_store.saving())
        return rows;
    if (which == RecordList::Partnerships)
        return partnerships(team);
    if (which == RecordList::MostHundreds || which == RecordList::HighestAverage ||
        which == RecordList::MostDucks)
        return careers(which, team);
    QSqlQuery query(m_store.database());
    const QString columns = u"SELECT m.id, m.started, m.team1, m.team2, "_s;
    const QString order = u" m.started, m.id LIMIT %1"_s.arg(TopOf);
    bool read = false;
    switch (which) {
    case RecordList::HighestTotals:
    case RecordList::LowestTotals:
        read = select(query,
                      columns + inningsTeam +
                          u", t.runs, t.wickets FROM innings_totals t JOIN matches m ON m.id = "
                          "t.match WHERE %filter"_s +
                          (which == RecordList::LowestTotals
                               ? u" AND t.wickets = 10 ORDER BY t.runs,"_s
                               : u" ORDER BY t.runs DESC,"_s) +
                          order,
                      inningsTeam + u" = ?"_s, team);
        break;
    case RecordList::LargestWins:
    case RecordList::HighestAggregates: {
        const QString winner = u"CASE WHEN r.total1 > r.total2 THEN m.team1 ELSE m.team2 END"_s;
        const bool wins = which == RecordList::LargestWins;
        read = select(query,
                      columns + winner +
                          u", r.total1, r.total2 FROM match_totals r JOIN matches m ON m.id = "
                          "r.match WHERE %filter"_s +
                          (wins ? u" AND r.decided AND r.total1 <> r.total2 ORDER BY "
                                  "abs(r.total1 - r.total2) DESC,"_s
                                : u" ORDER BY r.total1 + r.total2 DESC,"_s) +
                          order,
                      wins ? winner + u" = ?"_s : u"(m.team1 = ? OR m.team2 = ?)"_s, team,
                      wins ? 1 : 2);
        break;
    }
    // The top ten are found in the batting alone, then joined: joining every row is slow.
    case RecordList::HighestScores:
        read = select(query,
                      columns + u"a.name, a.team, b.runs, b.dismissal = 0 FROM (SELECT * FROM "
                                "batting b WHERE %filter ORDER BY runs DESC, match, innings, "
                                "position LIMIT %1) b JOIN appearances a ON a.player = b.player "
                                "AND a.match = b.match JOIN matches m ON m.id = b.match ORDER BY "
                                "b.runs DESC, b.match, b.innings, b.position"_s.arg(TopOf),
                      u"EXISTS (SELECT 1 FROM appearances a WHERE a.player = b.player AND "
                      "a.match = b.match AND a.team = ?)"_s,
                      team);
        break;
    default:
        read = select(
            query,
            columns + u"a.name, a.team, a.runs, 0 FROM (SELECT * FROM appearances a "
                      "WHERE runs > 0 AND %filter ORDER BY runs DESC, match LIMIT %1) a "
                      "JOIN matches m ON m.id = a.match ORDER BY a.runs DESC, a.match"_s.arg(TopOf),
            u"a.team = ?"_s, team);
        break;
    }
    while (read && query.next()) {
        RecordRow row = matchRow(query);
        switch (which) {
        case RecordList::HighestTotals:
        case RecordList::LowestTotals: {
            const int wickets = query.value(6).toInt();
            row.holder = row.team = query.value(4).toString();
            row.value = query.value(5).toInt();
            row.figure = QString::number(query.value(5).toInt()) +
                         (wickets < 10 ? u'/' + QString::number(wickets) : QString());
            break;
        }
        case RecordList::LargestWins:
            row.holder = row.team = query.value(4).toString();
            row.value = std::abs(query.value(5).toInt() - query.value(6).toInt());
            row.figure =
                QCoreApplication::translate("MatchRecords", "%n runs", nullptr, int(row.value));
            break;
        case RecordList::HighestAggregates:
            row.value = query.value(5).toInt() + query.value(6).toInt();
            row.figure = QString::number(int(row.value));
            break;
        default:
            row.holder = query.value(4).toString();
            row.team = query.value(5).toString();
            row.value = query.value(6).toInt();
            row.figure =
                QString::number(int(row.value)) + (query.value(7).toBool() ? u"*"_s : u""_s);
            break;
        }
        rows.append(row);
    }
    return rows;
}

// Career figures add up every innings of a file player; his team is that of his latest match.
QList<RecordRow> MatchRecords::careers(RecordList which, const QString &team)
{
    struct Career
    {
        QString name, team;
        int innings = 0, outs = 0, runs = 0, hundreds = 0, ducks = 0;
    };
    std::map<int, Career> players;
    QSqlQuery query(m_store.database());
    query.setForwardOnly(true);
    query.exec(u"SELECT player, name, team, max(match) FROM appearances GROUP BY player"_s);
    while (query.next())
        players[query.value(0).toInt()] = {query.value(1).toString(), query.value(2).toString()};
    query.exec(u"SELECT player, count(*), sum(dismissal > 0), sum(runs), sum(runs >= 100), "
               "sum(runs = 0 AND dismissal > 0) FROM batting GROUP BY player"_s);
    while (query.next()) {
        Career &career = players[query.value(0).toInt()];
        career.innings = query.value(1).toInt();
        career.outs = query.value(2).toInt();
        career.runs = query.value(3).toInt();
        career.hundreds = query.value(4).toInt();
        career.ducks = query.value(5).toInt();
    }
    QList<RecordRow> rows;
    for (const auto &[player, career] : players) {
        if (!team.isEmpty() && career.team != team)
            continue;
        RecordRow row;
        row.holder = career.name;
        row.team = career.team;
        if (which == RecordList::MostHundreds) {
            row.value = career.hundreds;
        } else if (which == RecordList::MostDucks) {
            row.value = career.ducks;
        } else if (career.innings >= AverageFromInnings && career.outs > 0) {
            row.value = double(career.runs) / career.outs;
            row.figure = QString::number(row.value, 'f', 2);
        }
        if (row.figure.isEmpty() && row.value > 0)
            row.figure = QString::number(int(row.value));
        if (!row.figure.isEmpty())
            rows.append(row);
    }
    // Ties keep the order of the record numbers.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const RecordRow &a, const RecordRow &b) { return a.value > b.value; });
    return rows.mid(0, TopOf);
}

QList<RecordRow> MatchRecords::partnerships(const QString &team)
{
    QList<RecordRow> rows;
    QSqlQuery query(m_store.database());
    for (int wicket = 1; wicket <= 10; ++wicket) {
        const bool read = select(
            query,
            u"SELECT m.id, m.started, m.team1, m.team2, "_s + inningsTeam +
                u", t.runs, t.unbroken, t.batsmen FROM partnerships t JOIN matches m ON m.id = "
                "t.match WHERE t.wicket = %1 AND %filter ORDER BY t.runs DESC, m.started, m.id, "
                "t.innings LIMIT 1"_s.arg(wicket),
            inningsTeam + u" = ?"_s, team);
        if (!read || !query.next())
            continue;
        RecordRow row = matchRow(query);
        row.wicket = wicket;
        row.team = query.value(4).toString();
        row.value = query.value(5).toInt();
        row.figure = QString::number(int(row.value)) + (query.value(6).toBool() ? u"*"_s : u""_s);
        row.holder = query.value(7).toString();
        rows.append(row);
    }
    return rows;
}

QStringList recordHeadings(RecordList which)
{
    switch (which) {
    case RecordList::HighestTotals:
    case RecordList::LowestTotals:
        return {QCoreApplication::translate("MatchRecords", "Team"),
                QCoreApplication::translate("MatchRecords", "Total"),
                QCoreApplication::translate("MatchRecords", "Match"),
                QCoreApplication::translate("MatchRecords", "Date")};
    case RecordList::LargestWins:
        return {QCoreApplication::translate("MatchRecords", "Team"),
                QCoreApplication::translate("MatchRecords", "Margin"),
                QCoreApplication::translate("MatchRecords", "Match"),
                QCoreApplication::translate("MatchRecords", "Date")};
    case RecordList::HighestAggregates:
        return {QCoreApplication::translate("MatchRecords", "Team"),
                QCoreApplication::translate("MatchRecords", "Runs"),
                QCoreApplication::translate("MatchRecords", "Match"),
                QCoreApplication::translate("MatchRecords", "Date")};
    case RecordList::MostHundreds:
        return {QCoreApplication::translate("MatchRecords", "Batsman"),
                QCoreApplication::translate("MatchRecords", "100s"),
                QCoreApplication::translate("MatchRecords", "Team"),
                QCoreApplication::translate("MatchRecords", "Match"),
                QCoreApplication::translate("MatchRecords", "Date")};
    case RecordList::HighestAverage:
        return {QCoreApplication::translate("MatchRecords", "Batsman"),
                QCoreApplication::translate("MatchRecords", "Average"),
                QCoreApplication::translate("MatchRecords", "Team"),
                QCoreApplication::translate("MatchRecords", "Match"),
                QCoreApplication::translate("MatchRecords", "Date")};
    case RecordList::MostDucks:
        return {QCoreApplication::translate("MatchRecords", "Batsman"),
                QCoreApplication::translate("MatchRecords", "Ducks"),
                QCoreApplication::translate("MatchRecords", "Team"),
                QCoreApplication::translate("MatchRecords", "Match"),
                QCoreApplication::translate("MatchRecords", "Date")};
    case RecordList::HighestScores:
    case RecordList::MostRunsInMatch:
        return {QCoreApplication::translate("MatchRecords", "Batsman"),
                QCoreApplication::translate("MatchRecords", "Runs"),
                QCoreApplication::translate("MatchRecords", "Team"),
                QCoreApplication::translate("MatchRecords", "Match"),
                QCoreApplication::translate("MatchRecords", "Date")};
    case RecordList::Partnerships:
        break;
    }
    return {QCoreApplication::translate("MatchRecords", "Wicket"),
            QCoreApplication::translate("MatchRecords", "Runs"),
            QCoreApplication::translate("MatchRecords", "Batsmen"),
            QCoreApplication::translate("MatchRecords", "Team"),
            QCoreApplication::translate("MatchRecords", "Match"),
            QCoreApplication::translate("MatchRecords", "Date")};
}

QStringList recordCells(RecordList which, const RecordRow &row)
{
    const QString date = shownMoment(row.date);
    if (which == RecordList::Partnerships)
        return {QString::number(row.wicket), row.figure, row.holder, row.team, row.teams, date};
    if (recordHeadings(which).size() == 4)
        return {row.holder, row.figure, row.teams, date};
    return {row.holder, row.figure, row.team, row.teams, date};
}
