// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/session/MatchSession.h"
#include "core/store/MatchStore.h"
#include "ui/match/frmHighlights.h"
#include "ui/match/frmState.h"

#include "MatchDriving.h"
#include "ScriptedRandom.h"

#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {
// A test that the program's end takes down with it fails instead of passing unseen.
bool g_running = false;
void failIfEnded()
{
    if (g_running)
        std::_Exit(1);
}
} // namespace

// The frame by keyboard: the menus and status bar it adds, and starts and resumes that leave the
// player where he can go on.
class tst_FrameKeys : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedRandom m_die;
    QStringList m_leftOpen; // dialogs that stayed open when they should have gone
    int m_test = 0;

    QString storePath() const { return m_dir->filePath(u"stumpwell.sqlite"_s); }
    // Closes whatever modal window comes up from now on, noting it.
    void closeStrays()
    {
        whenModalShown(
            [this, test = m_test](QWidget *modal) {
                if (test != m_test) // armed by a test before
                    return;
                m_leftOpen << modal->objectName();
                static_cast<QDialog *>(modal)->done(0);
                closeStrays();
            },
            1500);
    }
    // A match saved in `mode` as the game saves it, with one over played in innings `innings`.
    void storeMatchIn(MatchMode mode, int innings)
    {
        m_die = ScriptedRandom();
        MatchSession session;
        session.setStorePath(storePath());
        session.setRandomSource(&m_die);
        QVERIFY(session.openStore());
        session.start(MatchSetup{inBuiltSides(), {}, {}}, mode,
                      mode == MatchMode::HumanVCpu ? 0 : -1);
        session.setPaused(true);
        for (int wicket = 0; wicket < 10 * (innings - 1); ++wicket) {
            m_die.push({1, 1, 6});
            session.match().playOver(5);
        }
        session.match().playOver(2);
        QCOMPARE(session.match().currentInnings(), innings);
    }
    std::unique_ptr<mdiMain> resumed()
    {
        auto frame = shownFrame(storePath(), &m_die);
        answerNextQuestion(QMessageBox::Yes);
        frame->openMatchStore();
        return frame;
    }
    // Shortcuts reach only the active window.
    static bool activate(mdiMain &frame)
    {
        frame.activateWindow();
        return QTest::qWaitForWindowActive(&frame);
    }
    QLabel *statusLabel(mdiMain &frame, const QString &name)
    {
        return frame.statusBar()->findChild<QLabel *>(name);
    }

private slots:
    void initTestCase() { std::atexit(failIfEnded); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_die = ScriptedRandom{1}; // the coin of a toss: the side calling heads wins
        m_leftOpen.clear();
        ++m_test;
        g_running = true;
    }
    void cleanup() { g_running = false; }

    void resumeBringsTheInningsInPlayOnTop_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("innings");
        for (MatchMode mode : {MatchMode::HumanVHuman, MatchMode::HumanVCpu, MatchMode::CpuVCpu})
            for (int innings = 1; innings <= 4; ++innings)
                QTest::addRow("%s, innings %d", qPrintable(modeText(mode)), innings)
                    << int(mode) << innings;
    }
    // Fault: a Human v CPU match resumed in its third innings showed the first innings' card
    // on top and active, the live one hidden under it.
    void resumeBringsTheInningsInPlayOnTop()
    {
        QFETCH(int, mode);
        QFETCH(int, innings);
        storeMatchIn(MatchMode(mode), innings);
        auto frame = resumed();
        QMdiSubWindow *live = frame->matchWindows().innings(innings);
        QCOMPARE(frame->mdiArea()->subWindowList(QMdiArea::StackingOrder).last(), live);
        QVERIFY(QTest::qWaitFor([&] { return frame->mdiArea()->activeSubWindow() == live; }));
        const bool personBats = !frame->session().computerSides()[std::size_t(1 - innings % 2)];
        QWidget *box = live->findChild<QLineEdit *>(u"txtRoll"_s);
        QCOMPARE(frame->focusWidget() == box, personBats);
        QVERIFY(live == frame->focusWidget() || live->isAncestorOf(frame->focusWidget()));
    }

    // Seen: a resumed computer match sat at 0 overs with only a menu tick to say why.
    void statusBarTellsTheLastOverAndThePauseAgainAfterResume()
    {
        storeMatchIn(MatchMode::CpuVCpu, 2);
        auto frame = resumed();
        const QString line = overLine(frame->session().match().lastOver());
        QVERIFY(line.startsWith(u"Over 1: rolled 2"_s));
        QCOMPARE(statusLabel(*frame, u"lblLastOver"_s)->text(), line);
        QLabel *paused = statusLabel(*frame, u"lblPaused"_s);
        QVERIFY(paused->isVisible());
        QVERIFY(activate(*frame));
        QTest::keyClick(frame.get(), Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(!paused->isVisible());
    }

    void enterPlaysAndTheStatusBarFollowsEachOver()
    {
        auto frame = shownFrame(storePath(), &m_die);
        frame->openMatchStore();
        startInBuiltMatch(*frame);
        const Match &match = frame->session().match();
        QLabel *line = statusLabel(*frame, u"lblLastOver"_s);
        QCOMPARE(line->text(), QString());
        for (int over = 1; over <= 3; ++over) {
            m_die.push(4);
            QTest::keyClick(frame->focusWidget(), Qt::Key_Return);
            QCOMPARE(match.lastOver().number, over);
            QCOMPARE(line->text(), overLine(match.lastOver()));
        }
    }

    void f6AndTheWindowMenuBringUpTheInningsInPlay()
    {
        auto frame = shownFrame(storePath(), &m_die);
        frame->openMatchStore();
        startInBuiltMatch(*frame);
        MatchWindows &windows = frame->matchWindows();
        windows.activate(windows.state());
        QVERIFY(activate(*frame));
        QTest::keyClick(frame.get(), Qt::Key_F6);
        QCOMPARE(frame->mdiArea()->activeSubWindow(), windows.innings(1));
        QCOMPARE(frame->focusWidget(), windows.innings(1)->findChild<QLineEdit *>(u"txtRoll"_s));
        auto *menu = frame->findChild<QMenu *>(u"mnuWindow"_s);
        emit menu->aboutToShow();
        QStringList checked;
        for (const QAction *entry : menu->actions())
            if (entry->isCheckable())
                checked << entry->text() + QString::number(entry->isChecked());
        QCOMPARE(checked.size(), frame->mdiArea()->subWindowList().size());
        QVERIFY(checked.contains(u"&1 "_s + windows.innings(1)->windowTitle() + u'1'));
    }

    // Esc on Choose Your Side backs out: no toss, no stored match; the one given up for it
    // stays abandoned.
    void escOnChooseYourSideStartsNothing()
    {
        auto frame = shownFrame(storePath(), &m_die);
        frame->openMatchStore();
        startInBuiltMatch(*frame);
        whenModalShown([this](QWidget *question) {
            whenModalShown([this](QWidget *teamMode) {
                whenModalShown([this](QWidget *side) {
                    QVERIFY(side->windowFlags() & Qt::WindowCloseButtonHint);
                    QTest::keyClick(side, Qt::Key_Escape);
                    closeStrays();
                });
                QTest::keyClick(teamMode->focusWidget(), Qt::Key_Space); // In-built Teams
            });
            static_cast<QMessageBox *>(question)->button(QMessageBox::Yes)->click();
        });
        QVERIFY(activate(*frame));
        QTest::keyClick(frame.get(), Qt::Key_F2, Qt::ControlModifier);
        QCOMPARE(m_leftOpen, QStringList());
        QVERIFY(!frame->session().inProgress());
        const QList<MatchStore::Entry> stored = frame->session().store()->history();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].status, MatchStore::Status::Abandoned);
    }

    // Fault: Cancel ended the program with std::exit, leaving the store open and its lock.
    void cancelInTeamSelectionEndsThroughTheNormalShutdown()
    {
        auto frame = shownFrame(storePath(), &m_die);
        frame->openMatchStore();
        whenModalShown([this](QWidget *teamMode) {
            whenModalShown([this](QWidget *selection) {
                QTest::keyClick(selection, Qt::Key_Escape);
                closeStrays();
            });
            click(teamMode, u"cmdChoose"_s);
        });
        QVERIFY(activate(*frame));
        QTest::keyClick(frame.get(), Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(m_leftOpen, QStringList());
        QVERIFY(!frame->isVisible());
        QCOMPARE(frame->session().store()->history().size(), 0);
        frame.reset();
        QVERIFY(!QFile::exists(storePath() + u".lock"_s));
    }
};

QTEST_MAIN(tst_FrameKeys)
#include "tst_framekeys.moc"
