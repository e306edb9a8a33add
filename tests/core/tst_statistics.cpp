// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/pages/Pages.h"
#include "core/store/CareerStatistics.h"

#include "HandMadeMatch.h"
#include "Tables.h"

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
    void careerFigures_data() { addRows(u"careers"_s); }
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

    // A second match: number 2's best, 5 not out, is marked; record 0, not in the file, has none.
    void secondMatchAddsUp()
    {
        MatchSetup setup = handMadeSetup(TeamSource::PlayerFile);
        setup.sides[1].origins[11] = {0, u"Stranger"_s};
        playScripted(*m_session, setup, QList<int>{3, 2, 2, 1} + QList<int>(10, -1));
        QCOMPARE(career(2).runs, 108 + 3);
        QCOMPARE(careerCells(career(3)).value(careerHeadings().indexOf(u"Highest"_s)), u"5*"_s);
        QCOMPARE(careers().size(), 22);
    }

    // Rebuilt, the figures are the same; finished again, the overs cannot be stored twice.
    void rebuildGivesTheSameFigures()
    {
        const QString before = careersCsv(careers());
        CareerStatistics statistics(*m_session->store());
        QCOMPARE(statistics.rebuild(), 1);
        QCOMPARE(careersCsv(careers()), before);
        QVERIFY(
            !statistics.finish(m_session->store()->history().first().id, m_session->match(), 0));
    }

    void deletedMatchTakesItsFiguresAway()
    {
        QCOMPARE(m_session->store()->deleteMatch(m_session->store()->history().first().id),
                 QString());
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
