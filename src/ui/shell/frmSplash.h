// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QTimer;

// Shown over the frame at start-up; closes itself when Timer1 first ticks.
class frmSplash : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Timer1Interval = 2500; // ms

    explicit frmSplash(QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed.
    static void showModal(QWidget *parent);

    void Form_Load();

public slots:
    void Timer1_Timer();
    // Esc and close requests end here: only the timer closes the splash.
    void reject() override {}

private:
    QTimer *m_Timer1 = nullptr;
};
