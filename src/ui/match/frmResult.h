// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ui/match/MatchSubWindow.h"

class Match;
class QLabel;
class QPushButton;
class QTimer;

// The end of the match: the verdict, and Ok (enabled after two seconds, so a hurried Enter
// cannot skip it) to close the match windows.
class frmResult : public MatchSubWindow
{
    Q_OBJECT
public:
    explicit frmResult(const Match &match, QWidget *parent = nullptr);

signals:
    void okPressed();

public slots:
    void Timer1_Timer();
    void cmdOk_Click();

private:
    QLabel *m_team1;
    QLabel *m_team2;
    QLabel *m_result;
    QPushButton *m_ok;
    QTimer *m_timer;
};
