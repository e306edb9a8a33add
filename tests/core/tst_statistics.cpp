// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/CareerStatistics.h"

#include "HandMadeMatch.h"

#include <QTemporaryDir>

using namespace Qt::StringLiterals;

// Career figures added up by the store from matches whose every ball is known.
class tst_Statistics : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<MatchSession> m_session;

    QList<CareerLine> careers() { return CareerStatistics(*m_session->store()).careers(); }

    CareerLine career(int record)
    {
        const QList<CareerLine> lines = careers();
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const CareerLine &l) { return l.player == record; });
        return line == lines.end() ? CareerLine{} : *line;
    }

    void play() { playHandMadeMatch(*m_session, handMadeSetup(TeamSource::PlayerFile)); }

private slots:
    void init()
    {
        m_session.reset();
        QFile::remove(m_dir.filePath(u"stumpwell.sqlite"_s));
        m_session = sessionOn(m_dir.filePath(u"stumpwell.sqlite"_s));
        play();
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
    void everyFileRecordHasALine() { QCOMPARE(careers().size(), 22); }

    void secondMatchAddsUp()
    {
        play();
        QCOMPARE(career(2).runs, 216);
    }

    void rebuildGivesTheSameFigures()
    {
        const QString before = careersCsv(careers());
        QCOMPARE(CareerStatistics(*m_session->store()).rebuild(), 1);
        QCOMPARE(careersCsv(careers()), before);
    }

    void deletedMatchTakesItsFiguresAway()
    {
        QVERIFY(m_session->store()->deleteMatch(m_session->store()->history().first().id));
        QCOMPARE(careers().size(), 0);
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
