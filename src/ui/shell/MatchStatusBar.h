// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QStatusBar>

class MatchSession;
class QLabel;

// The frame's status bar: what the last over did, from the match itself, and on the right
// whether the computer's play is paused.
class MatchStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit MatchStatusBar(MatchSession &session, QWidget *parent = nullptr);
    // Until the next over: what the roll box takes.
    void refuseFace();
    // A network match: whose turn it is, or whom it waits for; empty hides it.
    void showTurn(const QString &turn);

private:
    void showLastOver();
    void showPause();

    MatchSession &m_session;
    QLabel *m_lblLastOver;
    QLabel *m_lblPaused;
    QLabel *m_lblTurn;
};
