// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/WindowMenu.h"

#include "ui/match/MatchWindows.h"
#include "ui/match/frmMatchSummary.h"
#include "ui/match/frmState.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <utility>

using namespace Qt::StringLiterals;

WindowMenu::WindowMenu(QMdiArea *area, MatchWindows &windows, QWidget *parent)
    : QMenu(u"&Window"_s, parent), m_area(area), m_windows(windows)
{
    setObjectName(u"mnuWindow"_s);
    menuAction()->setObjectName(u"mnuWindow"_s);
    const auto add = [this](const QString &name, const QString &caption, auto slot) {
        QAction *action = addAction(caption);
        action->setObjectName(name);
        // F6 works with the menu closed, so each asks for a match on screen itself.
        connect(action, &QAction::triggered, this, [this, slot] {
            if (m_windows.isInningsOpen(1))
                slot();
        });
        return action;
    };
    m_matchActions << add(u"mnuCascade"_s, u"&Cascade"_s, [this] { m_area->cascadeSubWindows(); });
    m_matchActions << add(u"mnuTile"_s, u"&Tile"_s, [this] { m_area->tileSubWindows(); });
    addSeparator();
    QAction *inPlay = add(u"mnuInningsInPlay"_s, u"Innings in &Play"_s,
                          [this] { m_windows.activateInningsInPlay(); });
    inPlay->setShortcut(QKeySequence(Qt::Key_F6));
    m_matchActions << inPlay;
    m_matchActions << add(u"mnuShowHighlights"_s, u"&Highlights Summary"_s,
                          [this] { m_windows.activateHighlights(); });
    m_matchActions << add(u"mnuShowSummary"_s, u"&Match Summary"_s,
                          [this] { m_windows.activate(m_windows.summary()); });
    m_matchActions << add(u"mnuShowState"_s, u"&State of Play"_s,
                          [this] { m_windows.activate(m_windows.state()); });
    connect(this, &QMenu::aboutToShow, this, &WindowMenu::listWindows);
}

void WindowMenu::listWindows()
{
    for (QAction *action : std::as_const(m_matchActions))
        action->setEnabled(m_windows.isInningsOpen(1));
    qDeleteAll(std::exchange(m_listed, {}));
    const QList<QMdiSubWindow *> windows = m_area->subWindowList(QMdiArea::CreationOrder);
    int number = 0;
    for (QMdiSubWindow *window : windows) {
        if (!window->isVisible())
            continue;
        if (m_listed.isEmpty())
            m_listed << addSeparator();
        ++number;
        // Digits for the Alt letters, as the letters above are taken.
        const QString key = number < 10 ? u"&%1 "_s.arg(number) : QString();
        QAction *entry = addAction(key + QString(window->windowTitle()).replace(u'&', u"&&"_s));
        entry->setObjectName(u"mnuWindow_%1"_s.arg(number));
        entry->setCheckable(true);
        entry->setChecked(window == m_area->activeSubWindow());
        connect(entry, &QAction::triggered, this, [this, window] { m_windows.activate(window); });
        m_listed << entry;
    }
}
