// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"
#include "core/match/TossRules.h"

#include <QDialog>

class NetMatch;
class QLabel;
class QPushButton;

// The toss before every match. It can only be left through Bat or Bowl: the match start needs
// a decided toss, so there is no close button and Esc does nothing. A side the computer plays
// calls by a draw as the window opens, and when it wins it bats, shown for a moment first.
class frmToss : public QDialog
{
    Q_OBJECT
public:
    // How long the computer's choice stays on screen before the window closes.
    static constexpr int ComputerChoiceMs = 1000;

    // The first side tosses, the second calls; the coin comes from `random`. `computer` says
    // which of the two sides the computer plays.
    frmToss(std::array<Side, 2> &sides, RandomSource &random, std::array<bool, 2> computer = {},
            QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns the toss once Bat or Bowl has put
    // the side batting first at the front of sides.
    static TossRecord showModal(QWidget *parent, std::array<Side, 2> &sides, RandomSource &random,
                                std::array<bool, 2> computer = {});

    // A network match's toss, before Form_Load: the joiner calls, the winner chooses, each on
    // their own computer, and the coin is thrown by both; the window closes once the match
    // has begun, or the link has ended.
    void followNetwork(NetMatch &net);
    void Form_Load();

public slots:
    void cmdHeads_Click();
    void cmdTails_Click();
    void cmdBat_Click();
    void cmdBowl_Click();
    void reject() override;

private:
    void call(TossRules::Call call);
    void flipped(TossRules::Call call, int coin);
    void netTossChanged();
    void ShowTossResult();
    void choose(TossRules::Choice choice);
    void tellComputerMove(const QString &move);

    QLabel *m_lbltoss = nullptr;
    QPushButton *m_cmdHeads = nullptr;
    QPushButton *m_cmdTails = nullptr;
    QLabel *m_lblresult = nullptr;
    QPushButton *m_cmdBat = nullptr;
    QPushButton *m_cmdBowl = nullptr;
    QLabel *m_lblcpu = nullptr;
    QString m_cpuMoves;

    std::array<Side, 2> &m_sides;
    RandomSource &m_random;
    std::array<bool, 2> m_computer;
    NetMatch *m_net = nullptr;
    TossRecord m_toss;
    quint8 m_CoinResult = 0;
    bool m_CallerWon = false;
    bool m_decided = false;
};
