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
