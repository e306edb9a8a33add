// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/ScorecardExport.h"
#include "ui/history/frmHistory.h"
#include "ui/history/frmScorecard.h"
#include "ui/history/frmStats.h"
#include "ui/match/frmHighlights.h"
#include "ui/selection/frmChooseSides.h"
#include "ui/selection/frmNewSide.h"
#include "ui/selection/frmSides.h"
#include "ui/selection/frmTeamMode.h"
#include "ui/shell/frmHowToPlay.h"
#include "ui/shell/frmSide.h"

#include "HandMadeMatch.h"
#include "MatchDriving.h"
#include "PlayerFileTest.h"
#include "Tables.h"

#include <QLineEdit>
#include <QStatusBar>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {
bool g_running = false; // a test the program's end takes down fails instead of passing unseen
}

// Play by keyboard alone: the keys stay with the innings in play and reach every window.
class tst_Keyboard : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedRandom m_die;

    QString store() const { return m_dir->filePath(u"stumpwell.sqlite"_s); }
    static QWidget *focus() { return QApplication::focusWidget(); }
    static bool activate(QWidget *window)
    {
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }
    // A shown frame playing a new in-built match, the keys in the scorecard's box.
    std::unique_ptr<mdiMain> frameInPlay()
    {
        auto frame = openedFrame(store(), &m_die);
        m_die.push(1); // the coin: the side calling heads wins
        startInBuiltMatch(*frame);
        return activate(frame.get()) ? std::move(frame) : nullptr;
    }
    // A match saved in `mode` as the game saves it, one over into innings `innings`.
    void storeMatchIn(MatchMode mode, int innings)
    {
        auto session = sessionOn(store(), &m_die);
        session->start(MatchSetup{inBuiltSides(), {}, {}}, mode,
                       mode == MatchMode::HumanVCpu ? 0 : -1);
        session->setPaused(true);
        takeWickets(session->match(), m_die, 10 * (innings - 1));
        session->match().playOver(2);
    }

private slots:
    void initTestCase()
    {
        std::atexit([] {
            if (g_running)
                std::_Exit(1);
        });
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_dir->path());
        m_die = ScriptedRandom();
        g_running = true;
    }
    void cleanup() { g_running = false; }

    // Fault: an appeal reopened Highlights Summary active, and Enter went to it from then on.
    void fortyEntersPlayFortyOversWithHighlightsClosed()
    {
        auto frame = frameInPlay();
        QVERIFY(frame && frame->matchWindows().highlights()->close());
        for (int over = 0; over < 20; ++over)
            m_die.push({2, 5, 10, 1}); // two runs, then an appeal turned down
        for (int press = 0; press < 40; ++press)
            QTest::keyClick(focus(), Qt::Key_Return);
        QCOMPARE(frame->session().match().log().overs(), 40);
    }

    // Fault: Ctrl+Tab from the live card reached a finished one and never came back.
    void ctrlTabAndCtrlShiftTabGoRoundEveryWindow()
    {
        auto frame = frameInPlay();
        QVERIFY(frame);
        for (int wicket = 0; wicket < 10; ++wicket)
            m_die.push({5, 1, 1, 6}), QTest::keyClick(focus(), Qt::Key_Return);
        QMdiArea *area = frame->mdiArea();
        for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::ControlModifier),
                                                Qt::ControlModifier | Qt::ShiftModifier}) {
            QSet<QMdiSubWindow *> seen;
            for (qsizetype press = 0; press < area->subWindowList().size(); ++press)
                QTest::keyClick(focus(), Qt::Key_Tab, modifiers), seen << area->activeSubWindow();
            QCOMPARE(seen.size(), area->subWindowList().size());
            QCOMPARE(focus(), frame->matchWindows().innings(2)->findChild<QLineEdit *>());
        }
    }

    void resumeBringsTheInningsInPlayOnTop_data() { addRows(u"resumedinnings"_s); }
    // Fault: a Human v CPU match resumed in its third innings showed the first innings' card
    // on top and active. Also seen: a resumed computer match paused with nothing to say why.
    void resumeBringsTheInningsInPlayOnTop()
    {
        QFETCH(int, mode);
        QFETCH(int, innings);
        storeMatchIn(MatchMode(mode), innings);
        auto frame = shownFrame(store(), &m_die);
        {
            ModalDriver resume(ModalDriver::answer(QMessageBox::Yes));
            frame->openMatchStore();
            QCOMPARE(resume.texts, QStringList{u"Resume the match in progress?"_s});
        }
        QMdiSubWindow *live = frame->matchWindows().innings(innings);
        QCOMPARE(frame->mdiArea()->subWindowList(QMdiArea::StackingOrder).last(), live);
        QVERIFY(QTest::qWaitFor([&] { return frame->mdiArea()->activeSubWindow() == live; }));
        const bool person = !frame->session().computerSides()[std::size_t(1 - innings % 2)];
        QCOMPARE(frame->focusWidget() == live->findChild<QLineEdit *>(), person);
        QVERIFY(live->isAncestorOf(frame->focusWidget()) || live == frame->focusWidget());
        QCOMPARE(frame->statusBar()->findChild<QLabel *>(u"lblPaused"_s)->isVisible(), mode > 0);
        const QString line = frame->statusBar()->findChild<QLabel *>(u"lblLastOver"_s)->text();
        QVERIFY(line.startsWith(u"Over 1: rolled 2"_s));
        QTest::keyClick(person ? frame->focusWidget() : frame.get(), Qt::Key_9); // not a face
        QCOMPARE(frame->statusBar()->currentMessage(),
                 person ? u"Type a face from 1 to 6, or press ROLL"_s : QString());
        // F6 brings the innings in play back from any window.
        frame->matchWindows().activate(frame->matchWindows().highlights());
        QVERIFY(activate(frame.get()));
        QTest::keyClick(frame.get(), Qt::Key_F6);
        QCOMPARE(frame->mdiArea()->activeSubWindow(), live);
    }

    // Esc on Choose Your Side backs out: no toss, no stored match; the match given up for it
    // stays abandoned.
    void escOnChooseYourSideStartsNothing()
    {
        auto frame = frameInPlay();
        QVERIFY(frame);
        ModalDriver modals([](QWidget *modal) {
            if (auto *question = qobject_cast<QMessageBox *>(modal))
                return question->button(QMessageBox::Yes)->click();
            if (modal->objectName() == u"frmTeamMode") // In-built Teams
                return QTest::keyClick(modal->focusWidget(), Qt::Key_Space);
            if (modal->objectName() == u"frmSide" &&
                modal->windowFlags() & Qt::WindowCloseButtonHint)
                return QTest::keyClick(modal, Qt::Key_Escape);
            static_cast<QDialog *>(modal)->done(0);
        });
        QTest::keyClick(frame.get(), Qt::Key_F2, Qt::ControlModifier);
        QCOMPARE(modals.seen, (QStringList{u"Stumpwell"_s, u"frmTeamMode"_s, u"frmSide"_s}));
        QVERIFY(!frame->session().inProgress());
        const QList<MatchStore::Entry> stored = frame->session().store()->history();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].status, MatchStore::Status::Abandoned);
    }

    // Fault: Alt+C was both Copy and Close, and both Export CSV and Close.
    void altLettersAreUniqueInEachWindowAdded()
    {
        auto session = sessionOn(store());
        playHandMadeMatch(*session, handMadeSetup(TeamSource::InBuilt));
        MatchStore &saved = *session->store();
        SideStore sides(saved);
        const std::unique_ptr<QDialog> windows[]{
            std::make_unique<frmHistory>(saved, 0),
            std::make_unique<frmScorecard>(session->match(), u""_s),
            std::make_unique<frmStats>(saved),
            std::make_unique<frmSide>(inBuiltSides()),
            std::make_unique<frmHowToPlay>(),
            std::make_unique<frmTeamMode>(),
            std::make_unique<frmSides>(saved, session->players()),
            std::make_unique<frmNewSide>(sides, session->players()),
            std::make_unique<frmChooseSides>(SideStore::inBuiltSides())};
        for (const std::unique_ptr<QDialog> &window : windows) {
            QStringList letters = labelTexts(window.get());
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
                letters << button->text();
            for (QString &text : letters)
                text = text.remove(u"&&"_s).section(u'&', 1).left(1).toLower();
            letters.removeAll(QString());
            const qsizetype all = letters.size();
            letters.removeDuplicates();
            QVERIFY2(letters.size() == all, qPrintable(window->objectName()));
        }
    }

    // Faults: a failed PDF export reported success when something of that name was there, and
    // a failed export never said why.
    void pdfNotWrittenSaysWhyAndLeavesWhatWasThere()
    {
        QVERIFY(writeFile("kept") && QDir().mkdir(u"folder.pdf"_s));
        Match match;
        QCOMPARE(writeScorecard(u"card.pdf"_s, match, {}), QString());
        QVERIFY(fileBytes(u"card.pdf"_s).startsWith("%PDF-"));
        QCOMPARE(writeScorecard(FileName + u"/card.pdf"_s, match, {}),
                 u"the folder %1 does not exist"_s.arg(QDir::current().filePath(FileName)));
        QCOMPARE(writeScorecard(u"folder.pdf"_s, match, {}),
                 u"a folder of that name stands there"_s);
        QCOMPARE(fileBytes(), "kept");
    }
};

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
