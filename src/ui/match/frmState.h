// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/ClockModel.h"
#include "ui/match/MatchSubWindow.h"

class QLabel;

// State of play: day, session, time and the day's overs of the match clock.
class frmState : public MatchSubWindow
{
    Q_OBJECT
public:
    explicit frmState(const ClockModel &clock, QWidget *parent = nullptr);

    void writeCaptions();

private:
    const ClockModel &m_model;
    QLabel *m_day;
    QLabel *m_session;
    QLabel *m_time;
    QLabel *m_overs;
    QLabel *m_oversRemaining;
};
