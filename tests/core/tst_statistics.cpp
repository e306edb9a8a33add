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

    CareerLine career(int record)
    {
        const QList<CareerLine> lines = CareerStatistics(*m_store).careers();
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const CareerLine &l) { return l.player == record; });
        return line == lines.end() ? CareerLine{} : *line;
    }

    void playAgain(TeamSource source)
    {
        Match again;
        playHandMadeMatch(*m_store, again, handMadeSetup(source));
    }

private slots:
    void init()
    {
        m_store.reset();
        QFile::remove(m_dir.filePath(u"stumpwell.sqlite"_s));
        m_store = std::make_unique<MatchStore>(m_dir.filePath(u"stumpwell.sqlite"_s));
        QVERIFY2(m_store->open(), qPrintable(m_store->problem()));
        playAgain(TeamSource::PlayerFile);
    }

    // The figures of a record, each heading=shown, for batsmen of every kind.
    void careerFigures_data()
    {
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("figures");
        QTest::newRow("hundred") << 2 << u"Player=John Smith;Matches=1;Innings=2;Runs=108"_s;
        QTest::newRow("hundred, rates") << 2 << u"Highest=102;Average=54.00;Strike Rate=90.0"_s;
        QTest::newRow("hundred, counts") << 2 << u"Balls=120;100s=1;50s=0;Caught=1;Bowled=1"_s;
        QTest::newRow("never out") << 3 << u"Not Outs=2;Highest=0*;Average=-;Strike Rate=-"_s;
        QTest::newRow("never out, no duck") << 3 << u"Ducks=0"_s;
        QTest::newRow("ducks") << 4 << u"Player=Player 4;Ducks=2;Average=0.00;Balls=12"_s;
        QTest::newRow("second side") << 40 << u"Stumped=1;Caught Behind=1"_s;
        QTest::newRow("caught and bowled") << 43 << u"Caught & Bowled=1"_s;
    }
    void careerFigures()
    {
        QFETCH(int, record);
        QFETCH(QString, figures);
        const CareerLine line = career(record);
        QCOMPARE(line.player, record); // a line for him at all
        for (const QString &figure : figures.split(u';')) {
            const QString heading = figure.section(u'=', 0, 0);
            QCOMPARE(heading + u'=' + careerCells(line).value(careerHeadings().indexOf(heading)),
                     figure);
        }
    }

    // Both number ones are called John Smith: a line each all the same.
    void everyFileRecordHasALine() { QCOMPARE(CareerStatistics(*m_store).careers().size(), 22); }

    void inBuiltMatchAddsNothing()
    {
        const QString before = careersCsv(CareerStatistics(*m_store).careers());
        playAgain(TeamSource::InBuilt);
        QCOMPARE(careersCsv(CareerStatistics(*m_store).careers()), before);
    }

    void inBuiltMatchStaysInTheHistory()
    {
        playAgain(TeamSource::InBuilt);
        QCOMPARE(m_store->history().size(), 2);
    }

    void secondMatchAddsUp()
    {
        playAgain(TeamSource::PlayerFile);
        QCOMPARE(career(2).runs, 216);
    }

    void rebuildGivesTheSameFigures()
    {
        const QString before = careersCsv(CareerStatistics(*m_store).careers());
        QCOMPARE(CareerStatistics(*m_store).rebuild(), 1);
        QCOMPARE(careersCsv(CareerStatistics(*m_store).careers()), before);
    }

    void deletedMatchTakesItsFiguresAway()
    {
        QVERIFY(m_store->deleteMatch(m_store->history().first().id));
        QCOMPARE(CareerStatistics(*m_store).careers().size(), 0);
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
