// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/TossRules.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The toss before every match. It can only be left through Bat or Bowl: the match start needs
// a decided toss, so there is no close button and Esc does nothing.
class frmToss : public QDialog
{
    Q_OBJECT
public:
    explicit frmToss(QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed.
    static void showModal(QWidget *parent);

    void Form_Load();

public slots:
    void cmdHeads_Click();
    void cmdTails_Click();
    void cmdBat_Click();
    void cmdBowl_Click();
    void reject() override;

private:
    void call(TossRules::Call call);
    void ShowTossResult();
    void choose(TossRules::Choice choice);

    QLabel *m_lbltoss = nullptr;
    QPushButton *m_cmdHeads = nullptr;
    QPushButton *m_cmdTails = nullptr;
    QLabel *m_lblresult = nullptr;
    QPushButton *m_cmdBat = nullptr;
    QPushButton *m_cmdBowl = nullptr;

    quint8 m_CoinResult = 0;
    bool m_CallerWon = false;
    bool m_decided = false;
};
