// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"
#include "core/match/TossRules.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The toss before every match. It can only be left through Bat or Bowl: the match start needs
// a decided toss, so there is no close button and Esc does nothing.
class frmToss : public QDialog
{
    Q_OBJECT
public:
    // The first side tosses, the second calls; the coin comes from `random`.
    frmToss(std::array<Side, 2> &sides, RandomSource &random, QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns the toss once Bat or Bowl has put
    // the side batting first at the front of sides.
    static TossRecord showModal(QWidget *parent, std::array<Side, 2> &sides, RandomSource &random);

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

    std::array<Side, 2> &m_sides;
    RandomSource &m_random;
    TossRecord m_toss;
    quint8 m_CoinResult = 0;
    bool m_CallerWon = false;
    bool m_decided = false;
};
