// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "ui/common/Fonts.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmHighlights.h"
#include "ui/match/frmInnings1.h"

#include "ScriptedRandom.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

// Play by keyboard alone: focus stays in the innings in play, and the keys reach every window.
class tst_Keyboard : public QObject
{
    Q_OBJECT
    QMdiArea m_area;
    ScriptedRandom m_die;
    Match m_match;
    std::unique_ptr<MatchWindows> m_windows;

    QLineEdit *box(int innings)
    {
        return m_windows->innings(innings)->findChild<QLineEdit *>(u"txtRoll"_s);
    }
    void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

private slots:
    void initTestCase()
    {
        installFontSubstitutions();
        m_area.resize(1000, 700);
        m_area.show();
        m_area.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_area));
    }
    void init()
    {
        m_die = ScriptedRandom();
        m_windows = std::make_unique<MatchWindows>(&m_area, m_match);
        m_match.start(MatchSetup{inBuiltSides(), {}, {}}, m_die);
        m_windows->open();
    }
    void cleanup()
    {
        m_windows->close();
        m_windows.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Fault: an appeal reopened Highlights Summary active, and Enter went to it from then on.
    void closedHighlightsReopenWithoutTakingEnter()
    {
        QVERIFY(m_windows->highlights()->close());
        for (int over = 0; over < 20; ++over)
            m_die.push({2, 5, 10, 1}); // two runs, then an appeal turned down
        for (int press = 0; press < 40; ++press)
            pressEnter();
        QCOMPARE(m_match.log().overs(), 40);
        QVERIFY(m_windows->isHighlightsOpen());
    }

    void ctrlTabCyclesEveryWindowBothWays_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Tab") << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Shift+Tab") << int(Qt::ControlModifier | Qt::ShiftModifier);
    }
    // Fault: Ctrl+Tab from the live card reached a finished one and never came back.
    void ctrlTabCyclesEveryWindowBothWays()
    {
        QFETCH(int, modifiers);
        for (int wicket = 0; wicket < 10; ++wicket) {
            m_die.push({1, 1, 6});
            QTest::keyClicks(box(1), u"5"_s);
        }
        QMdiSubWindow *live = m_windows->innings(2);
        QCOMPARE(m_area.activeSubWindow(), live);
        QSet<QMdiSubWindow *> seen;
        const int windows = int(m_area.subWindowList().size());
        for (int press = 0; press < windows; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            Qt::KeyboardModifiers(modifiers));
            seen.insert(m_area.activeSubWindow());
            QVERIFY(m_area.activeSubWindow()->isAncestorOf(QApplication::focusWidget()) ||
                    m_area.activeSubWindow() == QApplication::focusWidget());
        }
        QCOMPARE(seen.size(), windows);
        QCOMPARE(m_area.activeSubWindow(), live);
    }
};

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
