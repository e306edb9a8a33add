// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "HandMadeMatch.h"
#include "core/store/MatchRecords.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs SQL on a file as another program would.
void runSql(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(u"other"_s);
}

} // namespace

class tst_Store : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;
    SeededRandom m_random{testSeed(20261207u)};

    // A match played `overs` overs (or to its end), saved over by over as the game does while
    // `saving` lives.
    qint64 saveMatch(MatchStore &store, Match &match, int overs, const QObject &saving = QObject())
    {
        const MatchSetup setup = handMadeSetup(TeamSource::InBuilt);
        match.start(setup, m_random);
        const qint64 id = store.beginMatch(setup, u"Human v Human"_s);
        connect(&match, &Match::overLogged, &saving,
                [&store, &match, id](int index) { store.appendOver(id, match.log(), index); });
        for (int over = 0; over < overs && !match.isOver(); ++over)
            match.playOver(match.rollDie());
        [&] {
            QVERIFY2(store.saving(), qPrintable(store.problem()));
        }();
        return id;
    }

private slots:
    void init()
    {
        // A folder of its own for each test and data row.
        const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                                              QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(QDir().mkpath(folder));
        m_path = folder + u"/stumpwell.sqlite"_s;
    }

    void savedMatchReadsBackAsItsLog()
    {
        Match finished, playing;
        qint64 done = 0, id = 0;
        {
            MatchStore store(m_path);
            QVERIFY(store.open());
            done = saveMatch(store, finished, 1000);
            QVERIFY(store.setStatus(done, MatchStore::Status::Finished, finished.resultText()));
            id = saveMatch(store, playing, 37);
        } // the program closes
        MatchStore reopened(m_path);
        QVERIFY(reopened.open());
        const auto entry = reopened.lastInProgress();
        QVERIFY(entry.has_value());
        QCOMPARE(entry->id, id);
        QCOMPARE(entry->team1, playing.summary().team1);
        MatchLog log;
        QCOMPARE(reopened.readLog(id, log), QString());
        QCOMPARE(log, playing.log());
        QCOMPARE(reopened.readLog(done, log), QString());
        QCOMPARE(log, finished.log());
    }

    void setupSurvivesItsBytesAndRefusesDamage()
    {
        MatchSetup setup = handMadeSetup(TeamSource::PlayerFile);
        setup.sides[1].origins[3] = {4711, u"Harold Alexander Lockwood-Norcross"_s};
        setup.toss = {TossRules::Call::Tails, TossRules::Tails, TossRules::Choice::Bowl};
        const QByteArray bytes = encodeSetup(setup);
        MatchSetup read;
        QCOMPARE(decodeSetup(bytes, read), QString());
        QCOMPARE(read, setup);
        QCOMPARE(decodeSetup(bytes.left(bytes.size() - 1), read),
                 u"the teams' record is cut short"_s);
        QByteArray resized = bytes;
        resized[5] = 100; // the first team record's size, low byte first
        resized[6] = 0;
        QCOMPARE(decodeSetup(resized, read), u"a team record has 100 bytes instead of 668"_s);
    }

    // Stores of every earlier version open and keep their matches: one from before any table,
    // one from before matches against the computer.
    void earlierVersionsAreUpgraded()
    {
        runSql(m_path, {u"PRAGMA application_id=1398230355"_s}); // ours, version 0
        {
            MatchStore store(m_path);
            QVERIFY(store.open());
            Match match;
            saveMatch(store, match, 2);
        }
        runSql(m_path,
               {u"DROP TABLE partnerships"_s, u"DROP TABLE innings_totals"_s,
                u"DROP TABLE match_totals"_s, u"DROP TABLE batting"_s, u"DROP TABLE appearances"_s,
                u"DROP INDEX matches_by_started"_s, u"ALTER TABLE matches DROP COLUMN players"_s,
                u"ALTER TABLE matches DROP COLUMN user_side"_s, u"PRAGMA user_version=1"_s});
        MatchStore store(m_path);
        QVERIFY(store.open());
        QVERIFY(store.notice().isEmpty());
        const auto earlier = store.lastInProgress();
        QVERIFY(earlier.has_value());
        QCOMPARE(earlier->mode, u"Human v Human"_s);
        QCOMPARE(earlier->userSide, -1);
        store.setStatus(earlier->id, MatchStore::Status::Finished);
        QVERIFY(store.beginMatch(handMadeSetup(TeamSource::InBuilt), u"Human v CPU"_s, 1) > 0);
        QCOMPARE(store.lastInProgress()->userSide, 1);
    }

    // A store from before the records book gets its records from the matches it holds.
    void recordsOfAnUpgradedStoreAreBuilt()
    {
        if (MatchStore store(m_path); store.open()) {
            Match match;
            playHandMadeMatch(store, match, handMadeSetup(TeamSource::PlayerFile));
        }
        runSql(m_path, {u"DROP TABLE partnerships"_s, u"DROP TABLE innings_totals"_s,
                        u"DROP TABLE match_totals"_s, u"ALTER TABLE appearances DROP COLUMN runs"_s,
                        u"PRAGMA user_version=3"_s});
        MatchStore store(m_path);
        QVERIFY(store.open() && CareerStatistics(store).rebuildIfDue());
        QCOMPARE(MatchRecords(store).list(RecordList::MostRunsInMatch).value(0).figure, u"108"_s);
    }

    void unusableFilesAreMovedAsideNeverOverwritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QString>("why");
        QTest::newRow("random bytes") << QByteArray("\x13\x37\xfe no database ").repeated(3000)
                                      << QStringList() << u"is damaged"_s;
        QTest::newRow("another program's")
            << QByteArray() << QStringList{u"CREATE TABLE notes (text TEXT)"_s}
            << u"belongs to another program"_s;
        QTest::newRow("newer") << QByteArray()
                               << QStringList{u"PRAGMA application_id=1398230355"_s,
                                              u"PRAGMA user_version=99"_s}
                               << u"was written by a newer Stumpwell"_s;
        QTest::newRow("cut short") << QByteArray("cut") << QStringList() << u"is damaged"_s;
    }
    void unusableFilesAreMovedAsideNeverOverwritten()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, sql);
        if (bytes == "cut") { // a real store that lost its second half
            {
                MatchStore store(m_path);
                QVERIFY(store.open());
                for (int i = 0; i < 20; ++i) {
                    Match match;
                    saveMatch(store, match, 450);
                }
            }
            QFile file(m_path);
            QVERIFY(file.resize(file.size() / 2));
        } else if (QFile file(m_path); !bytes.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        } else {
            runSql(m_path, sql);
        }
        const QByteArray before = bytesOf(m_path);
        MatchStore store(m_path);
        QVERIFY(store.open());
        QFETCH(QString, why);
        QVERIFY2(store.notice().contains(why), qPrintable(store.notice()));
        const QDir folder = QFileInfo(m_path).dir();
        const QStringList aside = folder.entryList({u"stumpwell.sqlite.damaged-*"_s}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(bytesOf(folder.filePath(aside[0])), before);
        QVERIFY(store.notice().contains(aside[0]));
        Match match;
        QVERIFY(saveMatch(store, match, 2) > 0); // a fresh store in its place
    }

    void storeThatCannotSaveSaysWhy()
    {
        QFile blocker(m_dir.filePath(u"not-a-folder"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        MatchStore inFile(blocker.fileName() + u"/stumpwell.sqlite"_s);
        QVERIFY(!inFile.open());
        QVERIFY2(inFile.problem().contains(u"could not be created"_s),
                 qPrintable(inFile.problem()));

        MatchStore first(m_path), second(m_path);
        QVERIFY(first.open());
        QVERIFY(!second.open());
        QVERIFY(second.problem().startsWith(u"Another copy of Stumpwell is using"_s));
        QCOMPARE(second.beginMatch(MatchSetup{}, u"Human v Human"_s), 0);
    }

    void fullDiskStopsSavingAndKeepsWhatWasSaved()
    {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        Match match;
        qint64 id = 0;
        {
            MatchStore store(m_path);
            QVERIFY(store.open());
            QObject saving;
            id = saveMatch(store, match, 5, saving);
            rlimit old{};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
            const rlimit none{0, old.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &none), 0);
            while (store.saving() && !match.isOver()) // until the journal must grow
                match.playOver(match.rollDie());
            setrlimit(RLIMIT_FSIZE, &old);
            QVERIFY(!store.saving());
            QVERIFY2(store.problem().contains(u"could not save over"_s),
                     qPrintable(store.problem()));
        }
        MatchStore reopened(m_path);
        QVERIFY(reopened.open());
        MatchLog log;
        QCOMPARE(reopened.readLog(id, log), QString());
        QVERIFY(log.overs() >= 5);
    }
};

QTEST_MAIN(tst_Store)
#include "tst_store.moc"
