// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

// A user who presses anything: random clicks, keys, menu items, list double-clicks, combo
// choices and resizes, always inside the window that takes input (the active modal dialog, or
// the main frame). Each action first schedules the next one, so when an action opens a modal
// dialog the following actions run inside that dialog's own event loop, as a user's would.

#include "MatchInvariants.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMetaMethod>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <random>

class Monkey : public QObject
{
public:
    Monkey(quint32 seed, int actions, QMainWindow *frame)
        : m_random(seed), m_actions(actions), m_frame(frame)
    {}

    // Runs the actions, then closes whatever dialogs are left open, then calls done.
    void start(std::function<void()> done)
    {
        m_done = std::move(done);
        QTimer::singleShot(0, this, [this] { step(); });
    }

    int actionsTaken() const { return m_taken; }
    // Matches that reached the result window.
    int results() const { return m_results; }
    const QString &failure() const { return m_failure; }
    const MatchInvariants &invariants() const { return m_invariants; }

private:
    void step()
    {
        if (m_finished)
            return;
        if (m_taken >= m_actions || !m_failure.isEmpty()) {
            windDown();
            return;
        }
        // Scheduled before acting: if this action opens a modal dialog, the next one runs
        // inside it.
        QTimer::singleShot(0, this, [this] { step(); });
        ++m_taken;
        act();
        observe();
    }

    void observe()
    {
        if (!m_failure.isEmpty())
            return;
        const bool resultShown = MatchWindows::isResultOpen();
        if (resultShown && !m_resultShown) {
            ++m_results;
            // Its two seconds would pass after however many actions this machine manages;
            // the seed decides instead (see act), so a run plays the same way every time.
            if (auto *timer = resultTimer())
                timer->stop();
        }
        m_resultShown = resultShown;
        const QString problem = m_invariants.observe();
        if (!problem.isEmpty())
            m_failure = QStringLiteral("after action %1: %2\nlast actions:\n  %3")
                            .arg(m_taken)
                            .arg(problem, m_history.join(QStringLiteral("\n  ")));
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    template <typename T>
    T pickFrom(const QList<T> &items)
    {
        return items.at(pick(int(items.size())));
    }

    void note(const QString &what)
    {
        m_history.append(QString::number(m_taken) + QLatin1Char(' ') + what);
        if (m_history.size() > 25)
            m_history.removeFirst();
    }

    static QString nameOf(const QObject *object)
    {
        return object->objectName().isEmpty() ? QLatin1String(object->metaObject()->className())
                                              : object->objectName();
    }

    template <typename T>
    static QList<T *> usable(QWidget *top)
    {
        QList<T *> found;
        const QList<T *> all = top->findChildren<T *>();
        for (T *widget : all) {
            if (widget->isVisible() && widget->isEnabled())
                found.append(widget);
        }
        return found;
    }

    void act()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        QWidget *modal = QApplication::activeModalWidget();
        QWidget *top = modal ? modal : m_frame;
        const QString where = nameOf(top) + QLatin1Char(' ');
        if (QTimer *timer = resultTimer(); timer && pick(40) == 0) {
            note(QStringLiteral("two seconds pass on the result window"));
            QMetaMethod::fromSignal(&QTimer::timeout).invoke(timer, Qt::DirectConnection);
            return;
        }
        // Picking two elevens takes 22 double-clicks: where a list is, the monkey favours it,
        // or it would hardly ever get a match started from the database.
        if (pick(3) == 0 && !usable<QListView>(top).isEmpty())
            return doubleClickList(top, where);
        const int roll = pick(100);
        if (roll < 30)
            clickButton(top, where);
        else if (roll < 62)
            typeKey(top, where);
        else if (roll < 70)
            doubleClickList(top, where);
        else if (roll < 76)
            chooseInCombo(top, where);
        else if (roll < 80)
            clickTab(top, where);
        else if (roll < 84)
            resize(top, where);
        else if (roll < 88)
            activateSubWindow(where);
        else if (roll < 92 && !modal)
            triggerMenu(where);
        else
            typeKey(top, where);
    }

    static QTimer *resultTimer()
    {
        return MatchWindows::isResultOpen()
                   ? MatchWindows::result()->findChild<QTimer *>(QStringLiteral("Timer1"))
                   : nullptr;
    }

    void clickButton(QWidget *top, const QString &where)
    {
        const QList<QAbstractButton *> buttons = usable<QAbstractButton>(top);
        if (buttons.isEmpty())
            return note(where + QStringLiteral("no button"));
        QAbstractButton *button = pickFrom(buttons);
        note(where + QStringLiteral("click ") + nameOf(button) + QLatin1Char(' ') + button->text());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void typeKey(QWidget *top, const QString &where)
    {
        QWidget *target = QApplication::focusWidget();
        if (!target || (target != top && !top->isAncestorOf(target)))
            target = top->focusWidget() ? top->focusWidget() : top;
        static const QList<QPair<int, Qt::KeyboardModifiers>> keys{
            {Qt::Key_Return, {}},
            {Qt::Key_Enter, Qt::KeypadModifier},
            {Qt::Key_Escape, {}},
            {Qt::Key_Tab, {}},
            {Qt::Key_Backtab, {}},
            {Qt::Key_Space, {}},
            {Qt::Key_Backspace, {}},
            {Qt::Key_Delete, {}},
            {Qt::Key_Up, {}},
            {Qt::Key_Down, {}},
            {Qt::Key_Home, {}},
            {Qt::Key_End, {}},
            {Qt::Key_A, {}},
            {Qt::Key_Z, Qt::ShiftModifier},
            {Qt::Key_Minus, {}},
            {Qt::Key_Period, {}},
            {Qt::Key_R, Qt::AltModifier},
            {Qt::Key_O, Qt::AltModifier},
            {Qt::Key_H, Qt::AltModifier},
            {Qt::Key_B, Qt::AltModifier},
            {Qt::Key_F1, Qt::ControlModifier},
            {Qt::Key_P, Qt::ControlModifier},
            {Qt::Key_F1, Qt::ShiftModifier}};
        // Digits are the ones that play overs when typed into the roll box.
        if (pick(2) == 0) {
            const char digit = char('0' + pick(10));
            note(where + QStringLiteral("type ") + QLatin1Char(digit) + QStringLiteral(" into ") +
                 nameOf(target));
            QTest::keyClick(target, digit);
            return;
        }
        const auto &[key, modifiers] = pickFrom(keys);
        note(where + QStringLiteral("key ") +
             QKeySequence(QKeyCombination(modifiers, Qt::Key(key))).toString() +
             QStringLiteral(" into ") + nameOf(target));
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }

    void doubleClickList(QWidget *top, const QString &where)
    {
        const QList<QListView *> lists = usable<QListView>(top);
        if (lists.isEmpty())
            return typeKey(top, where);
        QListView *list = pickFrom(lists);
        const int rows = list->model() ? list->model()->rowCount() : 0;
        QPoint at(4, 4);
        if (rows > 0) {
            const QModelIndex index = list->model()->index(pick(rows), 0);
            list->scrollTo(index);
            at = list->visualRect(index).center();
        }
        note(where + QStringLiteral("double-click ") + nameOf(list) +
             QStringLiteral(" at %1,%2").arg(at.x()).arg(at.y()));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    void chooseInCombo(QWidget *top, const QString &where)
    {
        const QList<QComboBox *> combos = usable<QComboBox>(top);
        if (combos.isEmpty())
            return clickButton(top, where);
        QComboBox *combo = pickFrom(combos);
        static const QList<int> keys{Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End,
                                     Qt::Key_PageDown};
        const int key = pickFrom(keys);
        note(where + QStringLiteral("combo ") + nameOf(combo) + QLatin1Char(' ') +
             QKeySequence(QKeyCombination(Qt::Key(key))).toString());
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key(key));
    }

    void clickTab(QWidget *top, const QString &where)
    {
        const QList<QTabBar *> bars = usable<QTabBar>(top);
        if (bars.isEmpty() || bars.first()->count() == 0)
            return clickButton(top, where);
        QTabBar *bar = pickFrom(bars);
        const int tab = pick(bar->count());
        note(where + QStringLiteral("tab %1").arg(tab));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }

    void resize(QWidget *top, const QString &where)
    {
        const QSize size(200 + pick(1200), 150 + pick(900));
        note(where + QStringLiteral("resize to %1x%2").arg(size.width()).arg(size.height()));
        top->resize(size);
    }

    void activateSubWindow(const QString &where)
    {
        if (QApplication::activeModalWidget())
            return typeKey(QApplication::activeModalWidget(), where);
        const QList<QMdiSubWindow *> windows = usable<QMdiSubWindow>(m_frame);
        if (windows.isEmpty())
            return triggerMenu(where);
        QMdiSubWindow *window = pickFrom(windows);
        note(where + QStringLiteral("click the title of ") + nameOf(window));
        QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(window->width() / 2, 8));
    }

    void triggerMenu(const QString &where)
    {
        QList<QAction *> actions;
        const QList<QAction *> all = m_frame->findChildren<QAction *>();
        for (QAction *action : all) {
            if (action->objectName().startsWith(QLatin1String("mnu")) && !action->menu())
                actions.append(action);
        }
        if (actions.isEmpty())
            return;
        QAction *action = pickFrom(actions);
        note(where + QStringLiteral("menu ") + action->objectName());
        action->trigger();
    }

    // Closes every dialog still open, the way its user would have to.
    void windDown()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            m_finished = true;
            if (m_done)
                m_done();
            return;
        }
        if (++m_windDownSteps > 500) {
            m_failure = QStringLiteral("the dialog %1 could not be closed").arg(nameOf(modal));
            m_finished = true;
            if (m_done)
                m_done();
            return;
        }
        QTimer::singleShot(0, this, [this] { step(); });
        if (modal->objectName() == QLatin1String("frmToss")) {
            for (const char *name : {"cmdHeads", "cmdBat"}) {
                auto *button = modal->findChild<QAbstractButton *>(QLatin1String(name));
                if (button && button->isEnabled() && button->isVisible())
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        } else if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && m_windDownSteps % 2) {
            dialog->reject();
        } else {
            modal->close();
        }
        observe();
    }

    std::mt19937 m_random;
    int m_actions;
    QMainWindow *m_frame;
    std::function<void()> m_done;
    MatchInvariants m_invariants;
    QStringList m_history;
    QString m_failure;
    int m_taken = 0;
    int m_windDownSteps = 0;
    int m_results = 0;
    bool m_resultShown = false;
    bool m_finished = false;
};
