// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/ClockModel.h"
#include "engine/MatchSubWindow.h"

class QLabel;

// State of play: day, session, time and the day's overs of the match clock.
class frmState : public MatchSubWindow
{
    Q_OBJECT
public:
    explicit frmState(QWidget *parent = nullptr);

    ClockModel &model() { return m_model; }
    // The clock step of the scorecard: one over of match time, then the captions.
    void AdvanceClock();
    void writeCaptions();

private:
    ClockModel m_model;
    QLabel *m_day;
    QLabel *m_session;
    QLabel *m_time;
    QLabel *m_overs;
    QLabel *m_oversRemaining;
};
