// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/session/MatchSession.h"
#include "ui/history/ScorecardExport.h"

#include "HandMadeMatch.h"
#include "MatchDriving.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>

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

    static QTableView *table(QWidget *h) { return h->findChild<QTableView *>(u"tblMatches"_s); }
    static QString cell(QWidget *history, int row, int column)
    {
        const QAbstractItemModel *rows = table(history)->model();
        return rows->data(rows->index(row, column)).toString();
    }
    static void select(QWidget *history, const QString &team1)
    {
        const QAbstractItemModel *rows = table(history)->model();
        table(history)->selectRow(rows->match(rows->index(0, 1), Qt::DisplayRole, team1)[0].row());
    }
    // What `look` finds in the history window, opened from the menu and closed after.
    QVariant seen(const std::function<QVariant(QWidget *)> &look)
    {
        QVariant found;
        whenModalShown([&](QWidget *history) {
            found = look(history);
            history->close();
        });
        m_frame->findChild<QAction *>(u"mnuHistory"_s)->trigger();
        return found;
    }
    static QVariant rows(QWidget *history) { return table(history)->model()->rowCount(); }
    // The scorecard opened from the history, by `open`, of the match of `team1`.
    QString scorecardOf(const QString &team1, const std::function<void(QWidget *)> &open)
    {
        QString page;
        seen([&](QWidget *history) {
            select(history, team1);
            whenModalShown([&](QWidget *scorecard) {
                page = scorecard->findChild<QTextBrowser *>(u"txtScorecard"_s)->toPlainText();
                scorecard->close();
            });
            open(history);
            return QVariant();
        });
        return page;
    }
    // With a match on screen, Resume on the abandoned one, declining the question; what it was.
    QString resumeOverMatchOnScreen()
    {
        m_die.push(1); // the coin
        startInBuiltMatch(*m_frame);
        QString asked;
        seen([&](QWidget *history) {
            select(history, u"Essex"_s);
            whenModalShown([&](QWidget *box) { // once the history has closed
                asked = static_cast<QMessageBox *>(box)->text();
                static_cast<QMessageBox *>(box)->done(QMessageBox::No);
            });
            click(history, u"cmdResume"_s);
            return QVariant();
        });
        return asked;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        {
            MatchStore store(storePath());
            QVERIFY(store.open());
            Match finished;
            MatchSetup setup = handMadeSetup(TeamSource::InBuilt);
            setup.sides[0].team.Name = u"Lancashire"_s;
            setup.sides[1].team.Name = u"Yorkshire"_s;
            setup.sides[1].team.Players[7] = u"Zebedee"_s;
            playHandMadeMatch(store, finished, setup);
            m_finishedResult = finished.resultText();
            const auto begin = [&](const QString &team1, const QString &team2, auto status) {
                setup = handMadeSetup(TeamSource::InBuilt);
                setup.sides[0].team.Name = team1;
                setup.sides[1].team.Name = team2;
                Match match;
                ScriptedRandom random;
                match.start(setup, random);
                const qint64 id = store.beginMatch(setup, u"Human v Human"_s);
                match.playOver(6);
                store.appendOver(id, match.log(), 0);
                store.setStatus(id, status);
            };
            begin(u"Kent"_s, u"Surrey"_s, MatchStore::Status::InProgress);
            begin(u"Essex"_s, u"Sussex"_s, MatchStore::Status::Abandoned);
            begin(u"Durham"_s, u"Somerset"_s, MatchStore::Status::Damaged);
        }
        m_frame = shownFrame(storePath(), &m_die);
        answerNextQuestion(QMessageBox::No); // the offer of the match in progress
        m_frame->openMatchStore();
    }
    void cleanup() { m_frame.reset(); }

    void newestFirst()
    {
        QCOMPARE(seen([](QWidget *history) { return cell(history, 0, 1); }), u"Durham"_s);
    }

    void filterKeepsTeamsAndPlayers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::newRow("team") << u"kent"_s << 1;
        QTest::newRow("second team") << u"SUSSEX"_s << 1;
        QTest::newRow("player") << u"zEbEdEe"_s << 1;
        QTest::newRow("empty") << QString() << 4;
    }
    void filterKeepsTeamsAndPlayers()
    {
        QFETCH(QString, text);
        QTEST(seen([&](QWidget *history) {
                  QTest::keyClicks(history->findChild<QLineEdit *>(u"txtFilter"_s), text);
                  return rows(history);
              }).toInt(),
              "rows");
    }

    void headingSortsItsColumn()
    {
        QCOMPARE(seen([](QWidget *history) {
                     QHeaderView *header = table(history)->horizontalHeader();
                     QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                                       QPoint(header->sectionViewportPosition(2) + 5, 5));
                     return cell(history, 0, 2);
                 }),
                 u"Somerset"_s);
    }

    void enterOpensTheScorecards()
    {
        QVERIFY(scorecardOf(u"Lancashire"_s, [](QWidget *history) {
                    QTest::keyClick(table(history), Qt::Key_Return);
                }).contains(m_finishedResult));
    }

    void unfinishedMatchOpensAsFarAsPlayed()
    {
        QVERIFY(scorecardOf(u"Essex"_s, [](QWidget *history) {
                    click(history, u"cmdOpen"_s);
                }).contains(u"Match abandoned on day 1 at 10:04a."_s));
    }

    void resumeContinuesAnAbandonedMatch()
    {
        seen([&](QWidget *history) {
            select(history, u"Essex"_s);
            click(history, u"cmdResume"_s);
            return QVariant();
        });
        QCOMPARE(m_frame->session().match().summary().team1, u"Essex"_s);
    }

    void resumeAsksFirstAboutTheMatchOnScreen()
    {
        QCOMPARE(resumeOverMatchOnScreen(),
                 u"A match is in progress. Abandon it and start a new match?"_s);
    }

    void declinedQuestionKeepsTheMatchOnScreen()
    {
        resumeOverMatchOnScreen();
        QCOMPARE(m_frame->session().match().summary().team1, u"England"_s);
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
        QTEST(seen([&](QWidget *history) {
                  select(history, u"Lancashire"_s);
                  answerNextQuestion(QMessageBox::StandardButton(answer));
                  click(history, u"cmdDelete"_s);
                  return rows(history);
              }).toInt(),
              "rows");
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
