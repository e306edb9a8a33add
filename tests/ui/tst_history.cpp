// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "HandMadeMatch.h"
#include "MatchDriving.h"

#include <QLineEdit>
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

    static QTableView *table(QWidget *h) { return find<QTableView>(h, u"tblMatches"_s); }
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
    // What `look` finds in the history window, opened from the menu; any window or question it
    // opens goes to `then`, and the history is closed after.
    QVariant seen(const std::function<QVariant(QWidget *)> &look,
                  const std::function<void(QWidget *)> &then = ModalDriver::close)
    {
        QVariant found;
        ModalDriver modals([&](QWidget *modal) {
            if (modal->objectName() != u"frmHistory")
                return then(modal);
            found = look(modal);
            modal->close();
        });
        trigger(m_frame.get(), u"mnuHistory"_s);
        return found;
    }
    static QVariant rows(QWidget *history) { return table(history)->model()->rowCount(); }
    // The scorecard opened from the history, by `open`, of the match of `team1`.
    QString scorecardOf(const QString &team1, const std::function<void(QWidget *)> &open)
    {
        QString page;
        seen(
            [&](QWidget *history) {
                select(history, team1);
                open(history);
                return QVariant();
            },
            [&](QWidget *scorecard) {
                page = find<QTextBrowser>(scorecard, u"txtScorecard"_s)->toPlainText();
                scorecard->close();
            });
        return page;
    }
    // With a match on screen, Resume on the abandoned one, declining the question; what it was.
    QString resumeOverMatchOnScreen()
    {
        m_die.push(1); // the coin
        startInBuiltMatch(*m_frame);
        QString asked;
        seen(
            [&](QWidget *history) {
                select(history, u"Essex"_s);
                click(history, u"cmdResume"_s);
                return QVariant();
            },
            [&](QWidget *box) { // once the history has closed
                asked = static_cast<QMessageBox *>(box)->text();
                ModalDriver::answer(QMessageBox::No)(box);
            });
        return asked;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        {
            MatchSession session;
            session.setStorePath(storePath());
            QVERIFY(session.openStore());
            MatchSetup setup = handMadeSetup(TeamSource::InBuilt);
            setup.sides[0].team.Name = u"Lancashire"_s;
            setup.sides[1].team.Name = u"Yorkshire"_s;
            setup.sides[1].team.Players[7] = u"Zebedee"_s;
            playHandMadeMatch(session, setup);
            m_finishedResult = session.match().resultText();
            for (const QString &teams :
                 {u"Kent Surrey"_s, u"Essex Sussex"_s, u"Durham Somerset"_s}) {
                setup = handMadeSetup(TeamSource::InBuilt);
                setup.sides[0].team.Name = teams.section(u' ', 0, 0);
                setup.sides[1].team.Name = teams.section(u' ', 1, 1);
                Match match;
                ScriptedRandom random;
                match.start(setup, random);
                const qint64 id = session.store()->beginMatch(setup, u"Human v Human"_s);
                match.playOver(6);
                session.store()->appendOver(id, match.log(), 0);
                session.store()->setStatus(
                    id, teams.startsWith(u"Kent")    ? MatchStore::Status::InProgress
                        : teams.startsWith(u"Essex") ? MatchStore::Status::Abandoned
                                                     : MatchStore::Status::Damaged);
            }
        }
        m_frame = shownFrame(storePath(), &m_die);
        ModalDriver modals(ModalDriver::answer(QMessageBox::No)); // the match in progress: not now
        m_frame->openMatchStore();
    }
    void cleanup() { m_frame.reset(); }

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

    // Taking up a match from the history asks first about the one on screen; No keeps it.
    void resumeAsksFirstAboutTheMatchOnScreen()
    {
        QCOMPARE(resumeOverMatchOnScreen(),
                 u"A match is in progress. Abandon it and start a new match?"_s);
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
        QTEST(seen(
                  [&](QWidget *history) {
                      select(history, u"Lancashire"_s);
                      click(history, u"cmdDelete"_s);
                      return rows(history);
                  },
                  ModalDriver::answer(QMessageBox::StandardButton(answer)))
                  .toInt(),
              "rows");
    }
};

QTEST_MAIN(tst_History)
#include "tst_history.moc"
