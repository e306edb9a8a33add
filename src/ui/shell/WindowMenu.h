// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

class MatchWindows;
class QMdiArea;

// "&Window", as MDI programs have it: arrange the windows, bring up one of the match's, and
// one checkable entry per open match window, the active one checked.
class WindowMenu : public QMenu
{
    Q_OBJECT
public:
    WindowMenu(QMdiArea *area, MatchWindows &windows, QWidget *parent = nullptr);

private:
    void tile();
    void listWindows();

    QMdiArea *m_area;
    MatchWindows &m_windows;
    QList<QAction *> m_matchActions;
    QList<QAction *> m_listed;
};
