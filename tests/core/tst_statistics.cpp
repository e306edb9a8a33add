// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "HandMadeMatch.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// Career figures added up by the store from matches whose every ball is known.
class tst_Statistics : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<MatchStore> m_store;

    std::optional<CareerLine> career(int record)
    {
        for (const CareerLine &line : m_store->careers()) {
            if (line.player == record)
                return line;
        }
        return std::nullopt;
    }

private slots:
    void init()
    {
        QFile::remove(m_dir.filePath(u"stumpwell.sqlite"_s));
        m_store = std::make_unique<MatchStore>(m_dir.filePath(u"stumpwell.sqlite"_s));
        QVERIFY2(m_store->open(), qPrintable(m_store->problem()));
        Match fromFile;
        playHandMadeMatch(*m_store, fromFile, handMadeSetup(TeamSource::PlayerFile));
    }
    void cleanup() { m_store.reset(); }

    void careerFigures_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *tag, int record, const QString &heading,
                            const QString &shown) {
            QTest::newRow(tag) << record << heading << shown;
        };
        row("hundred: matches", 2, u"Matches"_s, u"1"_s);
        row("hundred: innings", 2, u"Innings"_s, u"2"_s);
        row("hundred: runs", 2, u"Runs"_s, u"108"_s);
        row("hundred: highest", 2, u"Highest"_s, u"102"_s);
        row("hundred: average", 2, u"Average"_s, u"54.00"_s);
        row("hundred: balls", 2, u"Balls"_s, u"120"_s);
        row("hundred: strike rate", 2, u"Strike Rate"_s, u"90.0"_s);
        row("hundred: 100s", 2, u"100s"_s, u"1"_s);
        row("hundred: 50s", 2, u"50s"_s, u"0"_s);
        row("hundred: caught", 2, u"Caught"_s, u"1"_s);
        row("hundred: bowled", 2, u"Bowled"_s, u"1"_s);
        row("never out: not outs", 3, u"Not Outs"_s, u"2"_s);
        row("never out: highest", 3, u"Highest"_s, u"0*"_s);
        row("never out: average", 3, u"Average"_s, u"-"_s);
        row("never out: strike rate", 3, u"Strike Rate"_s, u"-"_s);
        row("never out: no duck", 3, u"Ducks"_s, u"0"_s);
        row("ducks: ducks", 4, u"Ducks"_s, u"2"_s);
        row("ducks: average", 4, u"Average"_s, u"0.00"_s);
        row("ducks: balls", 4, u"Balls"_s, u"12"_s);
        row("second side: stumped", 40, u"Stumped"_s, u"1"_s);
        row("second side: caught behind", 40, u"Caught Behind"_s, u"1"_s);
        row("second side: caught and bowled", 43, u"Caught & Bowled"_s, u"1"_s);
        row("name from the file", 5, u"Player"_s, u"Player 5"_s);
    }
    void careerFigures()
    {
        QFETCH(int, record);
        QFETCH(QString, heading);
        QFETCH(QString, shown);
        const std::optional<CareerLine> line = career(record);
        QVERIFY(line);
        QCOMPARE(careerCells(*line).value(careerHeadings().indexOf(heading)), shown);
    }

    void everyFilePlayerHasALine() { QCOMPARE(m_store->careers().size(), 22); }

    void sameNameDifferentRecordsAreTwoPlayers()
    {
        int smiths = 0;
        for (const CareerLine &line : m_store->careers())
            smiths += line.name == u"John Smith"_s;
        QCOMPARE(smiths, 2);
    }

    void inBuiltMatchAddsNothing()
    {
        const QString before = careersCsv(m_store->careers());
        Match inBuilt;
        playHandMadeMatch(*m_store, inBuilt, handMadeSetup(TeamSource::InBuilt));
        QCOMPARE(careersCsv(m_store->careers()), before);
    }

    void inBuiltMatchStaysInTheHistory()
    {
        Match inBuilt;
        playHandMadeMatch(*m_store, inBuilt, handMadeSetup(TeamSource::InBuilt));
        QCOMPARE(m_store->history().size(), 2);
    }

    void secondMatchAddsUp()
    {
        Match again;
        playHandMadeMatch(*m_store, again, handMadeSetup(TeamSource::PlayerFile));
        QCOMPARE(career(2)->runs, 216);
    }

    void rebuildGivesTheSameFigures()
    {
        const QString before = careersCsv(m_store->careers());
        QCOMPARE(m_store->rebuildDerived(), 1);
        QCOMPARE(careersCsv(m_store->careers()), before);
    }

    void deletedMatchTakesItsFiguresAway()
    {
        QVERIFY(m_store->deleteMatch(m_store->history().first().id));
        QCOMPARE(m_store->careers().size(), 0);
    }

    void csvQuotesWhatNeedsIt()
    {
        CareerLine line;
        line.name = u"Smith, J."_s;
        QCOMPARE(careersCsv({line}).split(u"\r\n"_s).value(1).section(u',', 0, 1),
                 u"\"Smith, J.\""_s);
    }
};

QTEST_GUILESS_MAIN(tst_Statistics)
#include "tst_statistics.moc"
