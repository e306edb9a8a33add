// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

// Before a match against the computer: the user picks the side to play, one button per team.
// Like the toss it ends only by a choice, so there is no close button and Esc does nothing.
class frmSide : public QDialog
{
    Q_OBJECT
public:
    frmSide(const std::array<Side, 2> &sides, QWidget *parent = nullptr);
    // Creates and shows the window modally; returns the index in sides of the side chosen.
    static int showModal(QWidget *parent, const std::array<Side, 2> &sides);

public slots:
    void cmdSide_Click(int index);
    void reject() override;

private:
    QLabel *m_lblSide = nullptr;
    std::array<QPushButton *, 2> m_cmdSide{};
    int m_chosen = 0;
};
