// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "ui/common/Fonts.h"
#include "ui/match/MatchWindows.h"
#include "ui/match/frmHighlights.h"
#include "ui/match/frmInnings1.h"

#include "ui/selection/frmTeamSelection.h"

#include "PlayerFileTest.h"
#include "ScriptedRandom.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
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

    // Team selection over a file of twelve Australians, shown; the first tab's country chosen
    // and its list holding the focus.
    static std::unique_ptr<frmTeamSelection> teamSelection(std::array<Side, 2> &sides)
    {
        QList<PlayerRecord> players;
        for (int n = 1; n <= 12; ++n)
            players << player(u"Player %1"_s.arg(n, 2, 10, QChar(u'0')), u"Australia", n, n);
        writeFile(fileOf(players));
        auto window = std::make_unique<frmTeamSelection>(sides);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            return nullptr;
        for (int tab : {1, 0}) {
            window->findChild<QTabWidget *>(u"SSTab1"_s)->setCurrentIndex(tab);
            auto *country = window->findChild<QComboBox *>(u"cboTeams_%1"_s.arg(tab));
            country->setFocus();
            QTest::keyClick(country, Qt::Key_Down);
        }
        window->findChild<QListWidget *>(u"lstPlayers_0"_s)->setFocus();
        return window;
    }
    static QString text(QWidget *window, const QString &name)
    {
        return window->findChild<QLabel *>(name)->text();
    }

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

    void enterOrSpaceOnTheHighlightedPlayerPicksHim_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterOrSpaceOnTheHighlightedPlayerPicksHim()
    {
        QFETCH(int, key);
        CurrentTempDir folder;
        std::array<Side, 2> sides;
        auto window = teamSelection(sides);
        QVERIFY(window);
        QWidget *list = QApplication::focusWidget();
        QTest::keyClick(list, Qt::Key(key));
        QCOMPARE(text(window.get(), u"lblPlayer_0"_s), u"P 01"_s);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key(key));
        QCOMPARE(text(window.get(), u"lblPlayer_1"_s), u"P 02"_s);
    }

    void enterPicksTheEleventhWithoutPressingOk()
    {
        CurrentTempDir folder;
        std::array<Side, 2> sides;
        auto window = teamSelection(sides);
        QVERIFY(window);
        for (int tab : {1, 0}) {
            window->findChild<QTabWidget *>(u"SSTab1"_s)->setCurrentIndex(tab);
            auto *list = window->findChild<QListWidget *>(u"lstPlayers_%1"_s.arg(tab));
            list->setFocus();
            for (int pick = 0; pick < 11; ++pick) {
                QTest::keyClick(list, Qt::Key_Down);
                QTest::keyClick(list, Qt::Key_Return);
            }
        }
        QVERIFY(window->findChild<QPushButton *>(u"cmdOk"_s)->isEnabled());
        QVERIFY(window->isVisible());
        QCOMPARE(window->result(), 0);
    }

    void backspaceTakesBackTheLastPickOfTheTabShown()
    {
        CurrentTempDir folder;
        std::array<Side, 2> sides;
        auto window = teamSelection(sides);
        QVERIFY(window);
        QStringList untouched;
        for (int tab : {0, 1}) {
            window->findChild<QTabWidget *>(u"SSTab1"_s)->setCurrentIndex(tab);
            auto *list = window->findChild<QListWidget *>(u"lstPlayers_%1"_s.arg(tab));
            list->setFocus();
            for (int pick = 0; pick < 11; ++pick) {
                QTest::keyClick(list, Qt::Key_Down);
                QTest::keyClick(list, Qt::Key_Return);
                if (pick == 9 && tab == 1) // as the tab stood before its eleventh
                    for (QLabel *label : window->findChildren<QLabel *>())
                        untouched << label->objectName() + u'=' + label->text();
            }
        }
        auto *ok = window->findChild<QPushButton *>(u"cmdOk"_s);
        QVERIFY(ok->isEnabled());
        QTest::keyClick(window.get(), Qt::Key_Backspace);
        QStringList now;
        for (QLabel *label : window->findChildren<QLabel *>())
            now << label->objectName() + u'=' + label->text();
        QCOMPARE(now, untouched);
        QVERIFY(window->findChild<QListWidget *>(u"lstPlayers_1"_s)->isEnabled());
        QVERIFY(!ok->isEnabled());
    }
};

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
