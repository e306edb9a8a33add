// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;

// "Use Game Teams or Select from Database": asked before every match.
class frmTeamMode : public QDialog
{
    Q_OBJECT
public:
    explicit frmTeamMode(QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed, and after
    // "&Choose teams manually" only once team selection has written both elevens into sides.
    // Nothing when team selection's Cancel ended the program.
    static std::optional<TeamSource> showModal(QWidget *parent, std::array<Side, 2> &sides);

    bool chosenManually() const { return m_chooseManually; }

public slots:
    void cmdInBuilt_Click();
    void cmdChoose_Click();

private:
    QLabel *m_label1 = nullptr;
    QPushButton *m_cmdInBuilt = nullptr;
    QPushButton *m_cmdChoose = nullptr;
    bool m_chooseManually = false;
};
