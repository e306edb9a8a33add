// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "HandMadeMatch.h"
#include "MatchDriving.h"
#include "PlayerFileTest.h"
#include "Tables.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableView>
#include <QTextBrowser>

using namespace Qt::StringLiterals;

// The history and the records of a store holding a finished match (Lancashire v Yorkshire,
// with Zebedee batting) and an abandoned one (Essex v Sussex).
class tst_History : public QObject
{
    Q_OBJECT
    std::optional<CurrentTempDir> m_dir;
    std::unique_ptr<mdiMain> m_frame;
    ScriptedRandom m_die;
    QString m_finishedResult;

    static QTableView *table(QWidget *h) { return find<QTableView>(h, u"tblMatches"_s); }
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
    // Which way the heading's arrow points, by its rows of ink top down: 1 up, -1 down.
    static int arrowOf(QHeaderView *header, int section)
    {
        const int right = header->sectionViewportPosition(section) + header->sectionSize(section);
        const int side = header->height();
        const QImage shot = header->grab({right - side, 0, side - 2, side}).toImage();
        QList<int> ink;
        for (int y = 0; y < side; ++y) {
            int dark = 0;
            for (int x = 0; x < shot.width(); ++x)
                dark += qGray(shot.pixel(x, y)) < 128;
            ink << dark;
        }
        ink.removeAll(0);
        return ink.size() < 2 ? 0 : ink.first() < ink.last() ? 1 : -1;
    }
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

private slots:
    void init()
    {
        m_dir.emplace();
        {
            MatchSession session;
            session.setStorePath(u"stumpwell.sqlite"_s);
            QVERIFY(session.openStore());
            MatchSetup setup = handMadeSetup(TeamSource::InBuilt);
            setup.sides[0].team.Name = u"Lancashire"_s;
            setup.sides[1].team.Name = u"Yorkshire"_s;
            setup.sides[1].team.Players[7] = u"Zebedee"_s;
            playHandMadeMatch(session, setup);
            m_finishedResult = session.match().resultText();
            setup = handMadeSetup(TeamSource::InBuilt);
            setup.sides[0].team.Name = u"Essex"_s;
            setup.sides[1].team.Name = u"Sussex"_s;
            session.setRandomSource(&m_die);
            session.start(setup, MatchMode::HumanVHuman);
            session.match().playOver(6);
            session.abandon();
        }
        m_frame = openedFrame(u"stumpwell.sqlite"_s, &m_die);
    }
    void cleanup() { m_frame.reset(); }

    void filterKeepsTeamsAndPlayers_data() { addRows(u"historyfilter"_s); }
    void filterKeepsTeamsAndPlayers()
    {
        QFETCH(QString, text);
        QTEST(seen([&](QWidget *history) {
                  QTest::keyClicks(history->findChild<QLineEdit *>(u"txtFilter"_s), text);
                  return rows(history);
              }).toInt(),
              "rows");
    }

    // Newest first, the arrow pointing down, every column whole; a click turns both round.
    void opensNewestFirstWithEveryColumnWhole()
    {
        ModalDriver modals([](QWidget *history) {
            const auto closing = qScopeGuard([history] { history->close(); });
            QTableView *matches = table(history);
            QHeaderView *header = matches->horizontalHeader();
            QVERIFY(!matches->horizontalScrollBar()->isVisible());
            QVERIFY(header->sectionSize(6) >= header->sectionSizeHint(6));
            const auto start = [matches](int row) {
                return matches->model()->index(row, 0).data(Qt::UserRole).toLongLong();
            };
            QVERIFY(start(0) >= start(1) && arrowOf(header, 0) == -1);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              {header->sectionViewportPosition(0) + 4, header->height() / 2});
            QVERIFY(start(0) <= start(1) && arrowOf(header, 0) == 1);
        });
        trigger(m_frame.get(), u"mnuHistory"_s);
        QCOMPARE(modals.seen, QStringList{u"frmHistory"_s});
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

    // Taking up a match from the history asks first about the one on screen; No, the default,
    // keeps it.
    void resumeAsksFirstAboutTheMatchOnScreen()
    {
        m_die.push(1); // the coin
        startInBuiltMatch(*m_frame);
        QString text;
        seen(
            [](QWidget *history) {
                select(history, u"Essex"_s);
                click(history, u"cmdResume"_s);
                return QVariant();
            },
            [&text](QWidget *box) { // once the history has closed
                text = static_cast<QMessageBox *>(box)->text();
                QTest::keyClick(box, Qt::Key_Return);
            });
        QCOMPARE(text, u"A match is in progress. Abandon it and start a new match?"_s);
        QCOMPARE(m_frame->session().match().summary().team1, u"England"_s);
    }

    void deleteAsksThenRemoves_data() { addRows(u"deleteanswers"_s); }
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

    // Enter on a row of the records opens that match's scorecard.
    void enterOnARecordOpensItsScorecard()
    {
        QStringList titles;
        QString row;
        ModalDriver modals([&](QWidget *modal) {
            titles << modal->windowTitle();
            if (modal->objectName() == u"frmRecords") {
                // In-built teams only: the batting list says why it is empty.
                const auto *batting = find<QTableView>(modal, u"tblBattingRecords"_s)->model();
                QCOMPARE(batting->index(0, 0).data().toString(),
                         u"In-built teams add no individual records."_s);
                auto *table = find<QTableView>(modal, u"tblTeamRecords"_s);
                row = table->model()->index(0, 2).data().toString();
                // Its start as the history writes it, in the player's locale.
                const QModelIndex date = table->model()->index(0, 3);
                const qint64 id = date.data(Qt::UserRole + 1).toLongLong();
                QCOMPARE(date.data().toString(),
                         QLocale().toString(m_frame->session().store()->entry(id)->started,
                                            QLocale::ShortFormat));
                table->setFocus();
                QTest::keyClick(table, Qt::Key_Return);
            }
            modal->close();
        });
        trigger(m_frame.get(), u"mnuRecords"_s);
        QCOMPARE(modals.seen, (QStringList{u"frmRecords"_s, u"frmScorecard"_s}));
        QCOMPARE(titles.value(1), u"Scorecard - "_s + row);
    }
};

QTEST_MAIN(tst_History)
#include "tst_history.moc"
