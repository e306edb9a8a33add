// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

// Before a match against the computer: the user picks the side to play, one button per team.
// Its close button and Esc back out of the match start.
class frmSide : public QDialog
{
    Q_OBJECT
public:
    frmSide(const std::array<Side, 2> &sides, QWidget *parent = nullptr);
    // Creates and shows the window modally; returns the index in sides of the side chosen, or
    // -1 when the user backed out.
    static int showModal(QWidget *parent, const std::array<Side, 2> &sides);

public slots:
    void cmdSide_Click(int index);

private:
    QLabel *m_lblSide = nullptr;
    std::array<QPushButton *, 2> m_cmdSide{};
    int m_chosen = -1;
};
