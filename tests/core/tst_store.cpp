// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/CompetitionStore.h"
#include "core/store/CareerStatistics.h"

#include "HandMadeMatch.h"
#include "PlayerFileTest.h"
#include "SavedSides.h"
#include "Tables.h"
#include "core/store/MatchRecords.h"
#include "core/store/ShortResult.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

class tst_Store : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_path;
    SeededRandom m_random{testSeed(20261207u)};

    // The history's mode, status and short result of each match, as its list shows them.
    static QStringList shownHistory(MatchStore &store)
    {
        QStringList shown;
        for (const MatchStore::Entry &e : store.history())
            shown << modeText(e.mode) + statusCaption(e.status) +
                         shortResult(e.status, e.result, {e.team1, e.team2}, e.overs);
        return shown;
    }

    // A store of `version` holding a finished match from the player file and one in progress:
    // made by today's game, then stripped of what each later schema step added. Returns what
    // today's history showed of it.
    QStringList makeStoreOfVersion(int version)
    {
        QStringList shown;
        {
            auto session = sessionOn(m_path);
            playHandMadeMatch(*session, handMadeSetup(TeamSource::PlayerFile));
            session->start(handMadeSetup(TeamSource::InBuilt), MatchMode::HumanVHuman);
            session->match().playOver(2);
            CompetitionStore(*session->store())
                .createSeries(u"Ashes"_s,
                              {CompetitionSide{-1, u"A"_s}, CompetitionSide{-2, u"E"_s}}, 3,
                              MatchMode::HumanVCpu, 1);
            shown = shownHistory(*session->store());
        }
        QList<QStringList> added;
        const QByteArray table = fileBytes(QFINDTESTDATA("../data/tables/downgrades.tsv"));
        for (const QString &line : QString::fromUtf8(table).split(u'\n')) {
            const qsizetype step = line.section(u'\t', 0, 0).toInt(); // 0 for comments
            added.resize(std::max(added.size(), step));
            if (step > 0)
                added[step - 1] << line.section(u'\t', 1);
        }
        for (qsizetype step = added.size(); step >= version; --step)
            runSql(m_path, added[step - 1]);
        // The fault step 7 mends: the series' side 7 was deleted and its id given to a
        // side made later.
        if (version == 5 || version == 6)
            runSql(m_path, {u"INSERT INTO sides VALUES (7, 'Later', '', 4102444800)"_s,
                            u"UPDATE competition_sides SET side = 7 WHERE place = 0"_s});
        runSql(m_path, {u"PRAGMA user_version=%1"_s.arg(version)});
        if (version == 1) // with the largest pages SQLite writes
            runSql(m_path,
                   {u"PRAGMA journal_mode=DELETE"_s, u"PRAGMA page_size=65536"_s, u"VACUUM"_s});
        return shown;
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

    void setupSurvivesItsBytes()
    {
        MatchSetup setup = handMadeSetup(TeamSource::PlayerFile);
        setup.sides[1].origins[3] = {4711, u"Harold Alexander Lockwood-Norcross"_s};
        setup.toss = {TossRules::Call::Tails, TossRules::Tails, TossRules::Choice::Bowl};
        MatchSetup read;
        QCOMPARE(decodeSetup(encodeSetup(setup), read), QString());
        QCOMPARE(read, setup);
    }

    // One byte of a good setup changed (at a negative index: from the end), or (value -1) the
    // bytes from `at` on cut off.
    void setupRefusesDamagedBytes_data() { addRows(u"damagedsetup"_s); }
    void setupRefusesDamagedBytes()
    {
        QFETCH(int, at);
        QFETCH(int, value);
        QByteArray bytes = encodeSetup(handMadeSetup(TeamSource::PlayerFile));
        if (value < 0)
            bytes.truncate(at < 0 ? bytes.size() + at : at);
        else
            bytes[at < 0 ? bytes.size() + at : at] = char(value);
        MatchSetup read;
        QTEST(decodeSetup(bytes, read), "error");
    }

    void earlierVersionsAreUpgraded_data() { addRows(u"versions"_s); }
    // A store of every earlier version opens and keeps its matches; the rows derived from them
    // (statistics, records) are made again where they were missing.
    void earlierVersionsAreUpgraded()
    {
        QFETCH(int, version);
        const QStringList shown = makeStoreOfVersion(version);
        auto session = sessionOn(m_path);
        MatchStore &store = *session->store();
        QVERIFY(store.notice().isEmpty());
        QCOMPARE(shownHistory(store), shown);
        const auto earlier = store.lastInProgress();
        QVERIFY(earlier.has_value());
        QCOMPARE(earlier->mode, MatchMode::HumanVHuman);
        QCOMPARE(earlier->userSide, -1);
        QCOMPARE(CareerStatistics(store).careers().size(), 22);
        QCOMPARE(MatchRecords(store).list(RecordList::MostRunsInMatch).value(0).figure, u"108"_s);
        // A series kept through the step that leaves who plays to its sides alone.
        const QList<Competition> kept = CompetitionStore(store).competitions();
        QCOMPARE(kept.size(), version >= 5 ? 1 : 0);
        if (version == 5 || version == 6) {
            QCOMPARE(kept[0].sides[0].computer, true);
            QCOMPARE(kept[0].sides[0].side, 0); // the later side was never in it
            QCOMPARE(kept[0].sides[1].side, -2);
            runSql(m_path, {u"DELETE FROM sides WHERE id = 7"_s});
            QCOMPARE(saveEleven(SideStore(store), u"Kent"_s).id, 8); // never a deleted side's id
        }
        QVERIFY(!store.setStatus(0, MatchStore::Status::Finished));
        QVERIFY(store.setStatus(earlier->id, MatchStore::Status::Finished));
        QVERIFY(store.beginMatch(handMadeSetup(TeamSource::InBuilt), MatchMode::HumanVCpu, 1) > 0);
        QCOMPARE(store.lastInProgress()->userSide, 1);
        session.reset(); // opened again, it is one of today's: nothing to make again
        MatchStore again(m_path);
        QVERIFY(again.open() && !again.rebuildDue());
    }

    void resultWordsAreReadOnceIntoParts_data() { addRows(u"oldresults"_s); }
    // The version before results were kept in parts: the words stored with a finished match
    // are read once; words that are no verdict leave the store aside, as it was.
    void resultWordsAreReadOnceIntoParts()
    {
        QFETCH(QString, result);
        QFETCH(QString, shown);
        makeStoreOfVersion(8);
        runSql(m_path, {u"UPDATE matches SET result = %1 WHERE status = 'finished'"_s.arg(result)});
        MatchStore store(m_path);
        QVERIFY(store.open());
        const QList<MatchStore::Entry> kept = store.history();
        QCOMPARE(kept.size(), shown.isEmpty() ? 0 : 2);
        if (shown.isEmpty()) {
            QVERIFY2(store.notice().contains(u"cannot read"_s), qPrintable(store.notice()));
            return;
        }
        const MatchStore::Entry &finished = kept.constLast();
        QCOMPARE(shortResult(finished.status, finished.result, {finished.team1, finished.team2}, 0),
                 QString(shown).replace(u"%1"_s, finished.team1).replace(u"%2"_s, finished.team2));
    }

    // Mended faults: damaged, foreign and newer stores were overwritten; each is moved aside.
    void unusableFilesAreMovedAsideNeverOverwritten_data() { addRows(u"stores"_s); }
    void unusableFilesAreMovedAsideNeverOverwritten()
    {
        QFETCH(QString, fixture);
        QVERIFY(QFile::copy(QFINDTESTDATA(u"../data/stores/"_s + fixture + u".sqlite"_s), m_path));
        QVERIFY(QFile(m_path).setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        const QByteArray before = fileBytes(m_path);
        MatchStore store(m_path);
        QVERIFY(store.open());
        QFETCH(QString, why);
        QVERIFY2(store.notice().contains(why), qPrintable(store.notice()));
        const QDir folder = QFileInfo(m_path).dir();
        const QStringList aside = folder.entryList({u"stumpwell.sqlite.damaged-*"_s}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(fileBytes(folder.filePath(aside[0])), before);
        QVERIFY(store.notice().contains(aside[0]));
        QVERIFY(store.beginMatch(handMadeSetup(TeamSource::InBuilt), MatchMode::HumanVHuman) > 0);
    }

    void storeThatCannotSaveSaysWhy()
    {
        QFile blocker(m_dir.filePath(u"not-a-folder"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        MatchStore inFile(blocker.fileName() + u"/stumpwell.sqlite"_s);
        QVERIFY(!inFile.open());
        QVERIFY2(inFile.problem().contains(u"could not be created"_s),
                 qPrintable(inFile.problem()));
    }

    void fullDiskStopsSavingAndKeepsWhatWasSaved()
    {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        qint64 id = 0;
        {
            auto session = sessionOn(m_path, &m_random);
            session->start(handMadeSetup(TeamSource::InBuilt), MatchMode::HumanVHuman);
            id = session->storedId();
            Match &match = session->match();
            for (int over = 0; over < 5; ++over)
                match.playOver(match.rollDie());
            const MatchStore &store = *session->store();
            QVERIFY(store.saving());
            rlimit old{};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
            const rlimit none{0, old.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &none), 0);
            while (store.saving() && !match.isOver()) // until the journal must grow
                match.playOver(match.rollDie());
            setrlimit(RLIMIT_FSIZE, &old);
            QVERIFY(!store.saving());
            QVERIFY(!CareerStatistics(*session->store()).finish(id, match, 0));
            QVERIFY(!session->store()->setStatus(id, MatchStore::Status::Abandoned, {}));
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
