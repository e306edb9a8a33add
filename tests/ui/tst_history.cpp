// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/ScorecardExport.h"

#include "HandMadeMatch.h"
#include "MatchDriving.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <memory>

using namespace Qt::StringLiterals;

// The history of a store holding a match of each status, newest last:
// finished (Lancashire v Yorkshire, with Zebedee batting), in progress (Kent v Surrey),
// abandoned (Essex v Sussex) and damaged (Durham v Somerset).
class tst_History : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<mdiMain> m_frame;
    ScriptedRandom m_die;
    QString m_finishedResult;

    QString storePath() const { return m_dir->filePath(u"stumpwell.sqlite"_s); }

    qint64 begin(MatchStore &store, Match &match, const QString &team1, const QString &team2,
                 int overs)
    {
        MatchSetup setup = handMadeSetup(TeamSource::InBuilt);
        setup.sides[0].team.Name = team1;
        setup.sides[1].team.Name = team2;
        ScriptedRandom random;
        match.start(setup, random);
        const qint64 id = store.beginMatch(setup, u"Human v Human"_s);
        for (int over = 0; over < overs; ++over) {
            match.playOver(6);
            store.appendOver(id, match.log(), over);
        }
        return id;
    }

    // Runs `action` in the history window, opened from the menu.
    void inHistory(const std::function<void(QWidget *)> &action)
    {
        whenModalShown(action);
        m_frame->findChild<QAction *>(u"mnuHistory"_s)->trigger();
    }
    static QTableView *table(QWidget *history)
    {
        return history->findChild<QTableView *>(u"tblMatches"_s);
    }
    static QString cell(QWidget *history, int row, int column)
    {
        const QAbstractItemModel *rows = table(history)->model();
        return rows->data(rows->index(row, column)).toString();
    }
    static void select(QWidget *history, const QString &team1)
    {
        QTableView *matches = table(history);
        for (int row = 0; row < matches->model()->rowCount(); ++row) {
            if (cell(history, row, 1) == team1)
                matches->selectRow(row);
        }
    }
    static void click(QWidget *window, const QString &button)
    {
        QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        {
            MatchStore store(storePath());
            QVERIFY(store.open());
            Match finished, playing, abandoned, damaged;
            MatchSetup setup = handMadeSetup(TeamSource::InBuilt);
            setup.sides[0].team.Name = u"Lancashire"_s;
            setup.sides[1].team.Name = u"Yorkshire"_s;
            setup.sides[1].team.Players[7] = u"Zebedee"_s;
            playHandMadeMatch(store, finished, setup);
            m_finishedResult = finished.resultText();
            begin(store, playing, u"Kent"_s, u"Surrey"_s, 3);
            store.setStatus(begin(store, abandoned, u"Essex"_s, u"Sussex"_s, 2),
                            MatchStore::Status::Abandoned);
            store.setStatus(begin(store, damaged, u"Durham"_s, u"Somerset"_s, 1),
                            MatchStore::Status::Damaged);
        }
        m_frame = std::make_unique<mdiMain>();
        m_frame->setStorePath(storePath());
        m_frame->setRandomSource(&m_die);
        m_frame->show();
        // The start-up offer of the match in progress is declined.
        whenModalShown(
            [](QWidget *box) { static_cast<QMessageBox *>(box)->done(QMessageBox::No); });
        m_frame->openMatchStore();
    }
    void cleanup()
    {
        m_frame.reset();
        m_dir.reset();
    }

    void newestFirst()
    {
        QString first;
        inHistory([&](QWidget *history) {
            first = cell(history, 0, 1);
            history->close();
        });
        QCOMPARE(first, u"Durham"_s);
    }

    void filterKeepsTeamsAndPlayers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::newRow("team") << u"kent"_s << 1;
        QTest::newRow("second team") << u"SUSSEX"_s << 1;
        QTest::newRow("player") << u"zEbEdEe"_s << 1;
        QTest::newRow("nobody") << u"Nobody"_s << 0;
        QTest::newRow("empty") << QString() << 4;
    }
    void filterKeepsTeamsAndPlayers()
    {
        QFETCH(QString, text);
        int rows = -1;
        inHistory([&](QWidget *history) {
            QTest::keyClicks(history->findChild<QLineEdit *>(u"txtFilter"_s), text);
            rows = table(history)->model()->rowCount();
            history->close();
        });
        QTEST(rows, "rows");
    }

    void headingSortsItsColumn()
    {
        QString first;
        inHistory([&](QWidget *history) {
            QHeaderView *header = table(history)->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(2) + 5, 5));
            first = cell(history, 0, 2);
            history->close();
        });
        QCOMPARE(first, u"Somerset"_s);
    }

    void enterOpensTheScorecards()
    {
        QString page;
        inHistory([&](QWidget *history) {
            select(history, u"Lancashire"_s);
            whenModalShown([&](QWidget *scorecard) {
                page = scorecard->findChild<QTextBrowser *>(u"txtScorecard"_s)->toPlainText();
                scorecard->close();
            });
            QTest::keyClick(table(history), Qt::Key_Return);
            history->close();
        });
        QVERIFY(page.contains(m_finishedResult));
    }

    void unfinishedMatchOpensAsFarAsPlayed()
    {
        QString page;
        inHistory([&](QWidget *history) {
            select(history, u"Essex"_s);
            whenModalShown([&](QWidget *scorecard) {
                page = scorecard->findChild<QTextBrowser *>(u"txtScorecard"_s)->toPlainText();
                scorecard->close();
            });
            click(history, u"cmdOpen"_s);
            history->close();
        });
        QVERIFY(page.contains(u"Match abandoned on day 1 at 10:08a."_s));
    }

    void resumeContinuesAnAbandonedMatch()
    {
        inHistory([&](QWidget *history) {
            select(history, u"Essex"_s);
            click(history, u"cmdResume"_s);
        });
        QCOMPARE(m_frame->match().summary().team1, u"Essex"_s);
    }

    void resumeAsksFirstAboutTheMatchOnScreen()
    {
        m_die.push(1); // the coin
        startInBuiltMatch(*m_frame);
        QString asked;
        inHistory([&](QWidget *history) {
            select(history, u"Essex"_s);
            // The question comes once the history has closed.
            whenModalShown([&](QWidget *box) {
                asked = static_cast<QMessageBox *>(box)->text();
                static_cast<QMessageBox *>(box)->done(QMessageBox::No);
            });
            click(history, u"cmdResume"_s);
        });
        QCOMPARE(asked, u"A match is in progress. Abandon it and start a new match?"_s);
    }

    void declinedQuestionKeepsTheMatchOnScreen()
    {
        m_die.push(1); // the coin
        startInBuiltMatch(*m_frame);
        const QString onScreen = m_frame->match().summary().team1;
        inHistory([&](QWidget *history) {
            select(history, u"Essex"_s);
            whenModalShown(
                [](QWidget *box) { static_cast<QMessageBox *>(box)->done(QMessageBox::No); });
            click(history, u"cmdResume"_s);
        });
        QCOMPARE(m_frame->match().summary().team1, onScreen);
    }

    void deleteAsksThenRemoves_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rows");
        QTest::newRow("yes") << int(QMessageBox::Yes) << 3;
        QTest::newRow("no") << int(QMessageBox::No) << 4;
    }
    void deleteAsksThenRemoves()
    {
        QFETCH(int, answer);
        int rows = -1;
        inHistory([&](QWidget *history) {
            select(history, u"Lancashire"_s);
            whenModalShown([&](QWidget *box) {
                static_cast<QMessageBox *>(box)
                    ->button(QMessageBox::StandardButton(answer))
                    ->click();
            });
            click(history, u"cmdDelete"_s);
            rows = table(history)->model()->rowCount();
            history->close();
        });
        QTEST(rows, "rows");
    }

    void pdfIsAValidPdfOfAPageOrMore()
    {
        Match match;
        MatchStore unsaved{QString()};
        playHandMadeMatch(unsaved, match, handMadeSetup(TeamSource::InBuilt));
        const QString path = m_dir->filePath(u"scorecard.pdf"_s);
        QVERIFY(writeScorecard(path, match, QString()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        static const QRegularExpression page(u"/Type\\s*/Page[^s]"_s);
        QVERIFY(QString::fromLatin1(pdf).contains(page));
    }
};

QTEST_MAIN(tst_History)
#include "tst_history.moc"
