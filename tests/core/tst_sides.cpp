// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/store/CareerStatistics.h"
#include "core/store/SideStore.h"

#include "HandMadeMatch.h"
#include "SavedSides.h"
#include "Tables.h"

#include <QSqlQuery>

// Sides saved in the match store: their names, their deletion, and the elevens they take into
// a match from the player file.
class tst_Sides : public QObject
{
    Q_OBJECT
    std::optional<CurrentTempDir> m_dir;
    std::unique_ptr<MatchSession> m_session;

    SideStore sides() { return SideStore(*m_session->store()); }
    SavedSide saved(const QString &name, int first = 2) { return saveEleven(sides(), name, first); }
    QStringList savedNames()
    {
        QStringList names;
        for (const SavedSide &side : sides().sides())
            names << side.name;
        return names.mid(2);
    }

private slots:
    void init()
    {
        m_session.reset();
        m_dir.emplace();
        QVERIFY(writeNumberedPlayers(2, 24)); // record n holds "Player n"
        m_session = sessionOn(m_dir->dir.filePath(u"stumpwell.sqlite"_s));
    }

    // Each change on a store holding Kent and Surrey; a refusal says why and changes nothing.
    void changesAreCheckedFirst_data() { addRows(u"sidechanges"_s); }
    void changesAreCheckedFirst()
    {
        QFETCH(QString, change);
        QFETCH(QString, told);
        QFETCH(QStringList, after);
        saved(u"Kent"_s);
        saved(u"Surrey"_s, 13);
        const QStringList word = change.split(u' ');
        if (word.size() == 3 && word[0] == u"remove") {
            // A series of Kent's with one test, whose match ended as `word[2]` says.
            const qint64 match = playHandMadeMatch(*m_session, handMadeSetup(TeamSource::InBuilt));
            QSqlQuery query(m_session->store()->database());
            QVERIFY(query.exec(u"UPDATE matches SET status = '%1'"_s.arg(word[2])));
            QVERIFY(query.exec(
                u"INSERT INTO competitions (id, kind, name, created) VALUES (7, 'series', 'Ashes', 0)"_s));
            QVERIFY(query.exec(u"INSERT INTO competition_sides VALUES (7, 0, 1, NULL, 'Kent', 0), "
                               "(7, 1, NULL, 1, 'Australia', 0)"_s));
            QVERIFY(query.exec(u"INSERT INTO fixtures VALUES (7, 1, 1, 0, 1, %1, 0)"_s.arg(
                word[2] == u"unplayed" ? u"NULL"_s : QString::number(match))));
        }
        QString problem;
        if (SavedSide side = elevenOf(change.mid(4)); word[0] == u"add")
            problem = sides().add(side);
        else if (word[0] == u"rename")
            problem = sides().rename(word[1].toLongLong(), change.section(u' ', 2));
        else
            problem = sides().remove(word[1].toLongLong());
        QVERIFY2(told.isEmpty() ? problem.isEmpty() : problem.contains(told), qPrintable(problem));
        QCOMPARE(savedNames(), after);
    }

    // The in-built sides head the list, each with its eleven in batting order; a saved side
    // keeps when it was made.
    void inBuiltSidesHeadTheList()
    {
        const qint64 made = saved(u"Kent"_s).created;
        const QList<SavedSide> listed = sides().sides();
        QCOMPARE(listed.at(2).created, made);
        for (std::size_t place = 0; place < 2; ++place) {
            const TeamRecord team = inBuiltSides()[place].team;
            QCOMPARE(listed.at(qsizetype(place)).id,
                     place ? SideStore::England : SideStore::Australia);
            for (std::size_t n = 0; n < 11; ++n)
                QCOMPARE(listed.at(qsizetype(place)).players[n].fullName,
                         team.Players[n + 1].trimmed());
        }
    }

    // A side whose records no longer hold its players cannot play: every one of them is named
    // and the next match's sides stay as they were.
    void missingPlayersAreNamed_data() { addRows(u"missingplayers"_s); }
    void missingPlayersAreNamed()
    {
        QFETCH(QString, told);
        const SavedSide kent = saved(u"Kent"_s), surrey = saved(u"Surrey"_s, 14);
        const QByteArray damage = QTest::currentDataTag();
        if (damage == "cut")
            QVERIFY(QFile(FileName).resize(22 * PlayerFile::RecordSize));
        if (damage == "replaced")
            QVERIFY(writeFile(fileBytes().replace("Player 20", "Player 99")));
        if (damage == "gone")
            QVERIFY(QFile::remove(FileName));
        const std::array<Side, 2> before = m_session->nextSides();
        const QString problem = m_session->chooseSides(kent, surrey);
        QVERIFY2(told.isEmpty() ? problem.isEmpty() : problem.contains(told), qPrintable(problem));
        QCOMPARE(m_session->nextSides() == before, !told.isEmpty());
    }

    // Statistics only between two sides from the file, under the sides' names; an in-built
    // side on either side records none.
    void statisticsOnlyBetweenSavedSides_data() { addRows(u"savedsidestats"_s); }
    void statisticsOnlyBetweenSavedSides()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, team);
        saved(u"Kent"_s);
        saved(u"Surrey"_s, 13);
        const SavedSide a = *sides().side(first), b = *sides().side(second);
        QCOMPARE(m_session->chooseSides(a, b), QString());
        MatchSetup setup = handMadeSetup(teamSource(a, b));
        setup.sides = m_session->nextSides();
        playHandMadeMatch(*m_session, setup);
        QString recorded;
        for (const CareerLine &line : CareerStatistics(*m_session->store()).careers())
            recorded += line.player == 2 ? line.team : QString();
        QCOMPARE(recorded, team);
    }
};

QTEST_GUILESS_MAIN(tst_Sides)
#include "tst_sides.moc"
