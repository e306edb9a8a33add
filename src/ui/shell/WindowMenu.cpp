// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/WindowMenu.h"

#include "ui/match/MatchWindows.h"
#include "ui/match/frmMatchSummary.h"
#include "ui/match/frmState.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

WindowMenu::WindowMenu(QMdiArea *area, MatchWindows &windows, QWidget *parent)
    : QMenu(tr("&Window"), parent), m_area(area), m_windows(windows)
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
    m_matchActions << add(u"mnuCascade"_s, tr("&Cascade"), [this] { m_area->cascadeSubWindows(); });
    m_matchActions << add(u"mnuTile"_s, tr("&Tile"), [this] { tile(); });
    addSeparator();
    QAction *inPlay = add(u"mnuInningsInPlay"_s, tr("Innings in &Play"),
                          [this] { m_windows.activateInningsInPlay(); });
    inPlay->setShortcut(QKeySequence(Qt::Key_F6));
    m_matchActions << inPlay;
    m_matchActions << add(u"mnuShowHighlights"_s, tr("&Highlights Summary"),
                          [this] { m_windows.activateHighlights(); });
    m_matchActions << add(u"mnuShowSummary"_s, tr("&Match Summary"),
                          [this] { m_windows.activate(m_windows.summary()); });
    m_matchActions << add(u"mnuShowState"_s, tr("&State of Play"),
                          [this] { m_windows.activate(m_windows.state()); });
    connect(this, &QMenu::aboutToShow, this, &WindowMenu::listWindows);
}

// Qt's tiling gives every window a cell of one size, and a fixed-size window sits at its cell's
// corner over its neighbours. Fixed windows go in rows instead, left to right in the order they
// opened; any that can be resized share the space below them.
void WindowMenu::tile()
{
    const QRect area = m_area->viewport()->rect();
    QList<QMdiSubWindow *> resizable;
    QPoint at = area.topLeft();
    int rowHeight = 0;
    for (QMdiSubWindow *window : m_area->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isVisible() || window->isMinimized())
            continue;
        if (window->minimumSize() != window->maximumSize()) {
            resizable << window;
            continue;
        }
        if (at.x() > area.left() && at.x() + window->width() > area.right() + 1)
            at = {area.left(), at.y() + std::exchange(rowHeight, 0)};
        window->move(at);
        at.rx() += window->width();
        rowHeight = std::max(rowHeight, window->height());
    }
    const int top = at.y() + rowHeight;
    for (qsizetype i = 0; i < resizable.size(); ++i) {
        const int width = area.width() / int(resizable.size());
        resizable[i]->setGeometry(area.left() + int(i) * width, top, width,
                                  std::max(area.bottom() + 1 - top, resizable[i]->minimumHeight()));
    }
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
