// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/CompetitionStore.h"
#include "core/store/Schema.h"

#include "core/competition/RoundRobin.h"
#include "core/store/MatchStore.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

const QList<SchemaStep> &Schema::competitions()
{
    static const QList<SchemaStep> steps{
        // A competition's sides are its places, with the name each had when it began; a
        // fixture's match is NULL until played, and team1 says which place batted first.
        {5,
         {QStringLiteral("CREATE TABLE competitions (id INTEGER PRIMARY KEY, kind TEXT NOT "
                         "NULL, name TEXT NOT NULL, created INTEGER NOT NULL, mode TEXT NOT "
                         "NULL, user_side INTEGER, rounds INTEGER NOT NULL DEFAULT 1)"),
          QStringLiteral("CREATE TABLE competition_sides (competition INTEGER NOT NULL "
                         "REFERENCES competitions(id) ON DELETE CASCADE, place INTEGER NOT "
                         "NULL, side INTEGER NOT NULL, name TEXT NOT NULL, computer INTEGER NOT "
                         "NULL, PRIMARY KEY (competition, place)) WITHOUT ROWID"),
          QStringLiteral("CREATE TABLE fixtures (competition INTEGER NOT NULL REFERENCES "
                         "competitions(id) ON DELETE CASCADE, number INTEGER NOT NULL, round "
                         "INTEGER NOT NULL, place_a INTEGER NOT NULL, place_b INTEGER NOT NULL, "
                         "match INTEGER REFERENCES matches(id) ON DELETE SET NULL, team1 "
                         "INTEGER, PRIMARY KEY (competition, number)) WITHOUT ROWID"),
          QStringLiteral("CREATE INDEX fixtures_by_match ON fixtures(match)")}},
        // Who plays a competition's matches is kept with each of its sides alone; its
        // fixtures are its rounds.
        {6,
         {QStringLiteral("ALTER TABLE competitions DROP COLUMN mode"),
          QStringLiteral("ALTER TABLE competitions DROP COLUMN user_side"),
          QStringLiteral("ALTER TABLE competitions DROP COLUMN rounds")}},
        // A saved side is referenced, and NULL once deleted; an in-built one is named by
        // inbuilt (1 Australia, 2 England). A side that is newer than the competition has
        // taken a deleted side's id and was never in it.
        {7,
         {QStringLiteral("CREATE TABLE competition_sides_new (competition INTEGER NOT NULL "
                         "REFERENCES competitions(id) ON DELETE CASCADE, place INTEGER NOT "
                         "NULL, side INTEGER REFERENCES sides(id) ON DELETE SET NULL, inbuilt "
                         "INTEGER, name TEXT NOT NULL, computer INTEGER NOT NULL, PRIMARY KEY "
                         "(competition, place)) WITHOUT ROWID"),
          QStringLiteral("INSERT INTO competition_sides_new SELECT cs.competition, cs.place, "
                         "CASE WHEN EXISTS (SELECT 1 FROM sides s WHERE s.id = cs.side AND "
                         "s.created <= c.created) THEN cs.side END, CASE WHEN cs.side < 0 THEN "
                         "-cs.side END, cs.name, cs.computer FROM competition_sides cs JOIN "
                         "competitions c ON c.id = cs.competition"),
          QStringLiteral("DROP TABLE competition_sides"),
          QStringLiteral("ALTER TABLE competition_sides_new RENAME TO competition_sides"),
          QStringLiteral("CREATE INDEX competition_sides_by_side ON competition_sides(side)")}},
    };
    return steps;
}

namespace {

bool run(QSqlQuery &query, const QVariantList &values)
{
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

QVariant placeOrNull(int place)
{
    return place >= 0 ? QVariant(place) : QVariant();
}

Fixture unplayed(int number, int round, int a, int b)
{
    Fixture fixture;
    fixture.number = number;
    fixture.round = round;
    fixture.places = {a, b};
    return fixture;
}

} // namespace

CompetitionStore::Created
CompetitionStore::createSeries(const QString &name, const std::array<CompetitionSide, 2> &sides,
                               int tests, MatchMode mode, int userPlace)
{
    if (QString problem = CompetitionRules::seriesProblem(name, {sides[0], sides[1]}, tests);
        !problem.isEmpty())
        return {0, problem};
    Competition series;
    series.kind = CompetitionKind::Series;
    series.name = name.trimmed();
    const std::array<bool, 2> computer =
        computerSides(mode, mode == MatchMode::HumanVCpu ? userPlace : -1);
    for (std::size_t place = 0; place < 2; ++place) {
        series.sides << sides[place];
        series.sides.last().computer = computer[place];
    }
    for (int test = 1; test <= tests; ++test)
        series.fixtures.append(unplayed(test, test, 0, 1));
    return create(series);
}

CompetitionStore::Created
CompetitionStore::createLeague(const QString &name, const QList<CompetitionSide> &sides, int cycles)
{
    if (QString problem = CompetitionRules::leagueProblem(name, sides); !problem.isEmpty())
        return {0, problem};
    Competition league;
    league.kind = CompetitionKind::League;
    league.name = name.trimmed();
    league.sides = sides;
    int number = 0;
    for (const Pairing &pairing : roundRobin(int(sides.size()), cycles))
        league.fixtures.append(unplayed(++number, pairing.round, pairing.a, pairing.b));
    return create(league);
}

CompetitionStore::Created CompetitionStore::create(const Competition &competition)
{
    const bool series = competition.kind == CompetitionKind::Series;
    if (!m_store.saving())
        return {0, (series ? tr("The series could not be saved. %1")
                           : tr("The league could not be saved. %1"))
                       .arg(m_store.problem())};
    QSqlDatabase db = m_store.database();
    db.transaction();
    QSqlQuery query(db);
    QSqlError error; // the first failure; nothing runs after it
    const auto insert = [&](const QVariantList &values) {
        if (!error.isValid() && !run(query, values))
            error = query.lastError();
    };
    query.prepare(u"INSERT INTO competitions (kind, name, created) VALUES (?, ?, ?)"_s);
    insert({kindName(competition.kind), competition.name, QDateTime::currentSecsSinceEpoch()});
    const qint64 id = query.lastInsertId().toLongLong();
    query.prepare(u"INSERT INTO competition_sides (competition, place, side, inbuilt, name, "
                  "computer) VALUES (?, ?, ?, ?, ?, ?)"_s);
    for (int place = 0; place < competition.sides.size(); ++place) {
        const CompetitionSide &side = competition.sides[place];
        insert({id, place, side.side > 0 ? QVariant(side.side) : QVariant(),
                side.side < 0 ? QVariant(-side.side) : QVariant(), side.name, side.computer});
    }
    query.prepare(u"INSERT INTO fixtures (competition, number, round, place_a, place_b) VALUES "
                  "(?, ?, ?, ?, ?)"_s);
    for (const Fixture &fixture : competition.fixtures)
        insert({id, fixture.number, fixture.round, fixture.places[0], fixture.places[1]});
    if (!error.isValid() && db.commit())
        return {id, {}};
    if (!error.isValid())
        error = db.lastError();
    db.rollback();
    return {0, (series ? tr("The series could not be saved: %1.")
                       : tr("The league could not be saved: %1."))
                   .arg(storeFailure(error))};
}

QList<Competition> CompetitionStore::competitions(QString *why)
{
    QList<qint64> ids;
    if (m_store.saving()) {
        QSqlQuery query(m_store.database());
        if (!query.exec(u"SELECT id FROM competitions ORDER BY created DESC, id DESC"_s) && why)
            *why = tr("The series and leagues could not be read: %1.")
                       .arg(storeFailure(query.lastError()));
        while (query.next())
            ids << query.value(0).toLongLong();
    }
    QList<Competition> list;
    for (const qint64 id : std::as_const(ids)) {
        if (std::optional<Competition> read = competition(id))
            list << *read;
    }
    return list;
}

std::optional<Competition> CompetitionStore::competition(qint64 id)
{
    if (!m_store.saving())
        return std::nullopt;
    QSqlQuery query(m_store.database());
    query.setForwardOnly(true);
    query.prepare(u"SELECT kind, name, created FROM competitions WHERE id = ?"_s);
    if (!run(query, {id}) || !query.next())
        return std::nullopt;
    Competition competition;
    competition.id = id;
    competition.kind = kindOf(query.value(0).toString());
    competition.name = query.value(1).toString();
    competition.created = QDateTime::fromSecsSinceEpoch(query.value(2).toLongLong());
    query.prepare(
        u"SELECT coalesce(side, -inbuilt, 0), name, computer FROM competition_sides WHERE "
        "competition = ? "
        "ORDER BY place"_s);
    if (!run(query, {id}))
        return std::nullopt;
    while (query.next())
        competition.sides.append(
            {query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toBool()});
    if (!readFixtures(competition))
        return std::nullopt;
    return competition;
}

// A finished match's figures come from the totals the store keeps for it: the aggregates, and
// the wickets of the innings each side batted.
bool CompetitionStore::readFixtures(Competition &competition)
{
    QSqlQuery query(m_store.database());
    query.setForwardOnly(true);
    query.prepare(u"SELECT f.number, f.round, f.place_a, f.place_b, f.match, f.team1, m.status, "
                  "m.outcome, m.winner, m.margin, m.team1, m.team2, m.started, CASE WHEN m.status "
                  "= 'finished' THEN 0 ELSE (SELECT "
                  "coalesce(max(number) + 1, 0) FROM overs WHERE match = f.match) END, "
                  "t.total1, t.total2, t.decided, (SELECT coalesce(sum(wickets), 0) FROM "
                  "innings_totals WHERE match = f.match AND innings % 2 = 1), (SELECT "
                  "coalesce(sum(wickets), 0) FROM innings_totals WHERE match = f.match AND "
                  "innings % 2 = 0) FROM fixtures f LEFT JOIN matches m ON m.id = f.match LEFT "
                  "JOIN match_totals t ON t.match = f.match WHERE f.competition = ? ORDER BY "
                  "f.number"_s);
    if (!run(query, {competition.id}))
        return false;
    while (query.next()) {
        Fixture fixture;
        fixture.number = query.value(0).toInt();
        fixture.round = query.value(1).toInt();
        fixture.places = {query.value(2).toInt(), query.value(3).toInt()};
        fixture.match = query.value(4).toLongLong();
        fixture.firstPlace = query.value(5).isNull() ? -1 : query.value(5).toInt();
        if (fixture.match) {
            fixture.status = statusOf(query.value(6).toString());
            fixture.result = storedResult(query, 7);
            fixture.teams = {query.value(10).toString(), query.value(11).toString()};
            fixture.started = QDateTime::fromMSecsSinceEpoch(query.value(12).toLongLong());
            fixture.overs = query.value(13).toInt();
        }
        const bool first = fixture.firstPlace == fixture.places[0];
        if (fixture.status == MatchStore::Status::Finished && !query.value(14).isNull() &&
            (first || fixture.firstPlace == fixture.places[1])) {
            fixture.played = PlayedMatch{{fixture.firstPlace, fixture.places[first ? 1 : 0]},
                                         query.value(16).toBool(),
                                         {query.value(14).toInt(), query.value(15).toInt()},
                                         {query.value(17).toInt(), query.value(18).toInt()}};
        }
        competition.fixtures << fixture;
    }
    return true;
}

std::optional<qint64> CompetitionStore::competitionOf(qint64 match)
{
    if (!m_store.saving() || match <= 0)
        return std::nullopt;
    QSqlQuery query(m_store.database());
    query.prepare(u"SELECT competition FROM fixtures WHERE match = ?"_s);
    if (!run(query, {match}) || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

QString CompetitionStore::link(qint64 competition, int number, qint64 match, int firstPlace)
{
    if (!m_store.saving())
        return m_store.problem();
    QSqlQuery query(m_store.database());
    query.prepare(u"UPDATE fixtures SET match = ?, team1 = ? WHERE competition = ? AND number = "
                  "?"_s);
    if (!run(query, {match, placeOrNull(firstPlace), competition, number}))
        return storeFailure(query.lastError());
    return query.numRowsAffected() == 1 ? QString() : tr("the fixture is no longer in the store");
}

QString CompetitionStore::remove(qint64 id)
{
    if (!m_store.saving())
        return m_store.problem();
    // Its sides and fixtures go with it (ON DELETE CASCADE); the matches stay.
    QSqlQuery query(m_store.database());
    query.prepare(u"DELETE FROM competitions WHERE id = ?"_s);
    if (!run(query, {id}))
        return tr("It could not be deleted: %1.").arg(storeFailure(query.lastError()));
    return query.numRowsAffected() == 1 ? QString() : tr("It is no longer in the store.");
}
