// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

#include <QDialog>
#include <array>

class QPushButton;
class QTabWidget;
class PlayerDatabase;
class TeamPicker;

// "Team Selection": both elevens picked from the player database, player by player in batting
// order; once both are complete they are written into the sides of the next match.
class frmTeamSelection : public QDialog
{
    Q_OBJECT
public:
    frmTeamSelection(std::array<Side, 2> &sides, const PlayerDatabase &players,
                     QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed: true with both
    // elevens written into sides, false when Cancel ended the program.
    static bool showModal(QWidget *parent, std::array<Side, 2> &sides,
                          const PlayerDatabase &players);

public slots:
    void cboTeams_Click(int index);
    void lstPlayers_DblClick(int index);
    // Takes back the last pick of the tab shown.
    void cmdUndo_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    // Esc acts as "&Cancel".
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void picksChanged();
    void updateUndo();

    QTabWidget *m_SSTab1 = nullptr;
    std::array<QWidget *, 2> m_pages{};
    std::array<TeamPicker *, 2> m_pickers{};
    QPushButton *m_cmdUndo = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    QPushButton *m_cmdOk = nullptr;
    std::array<Side, 2> &m_sides;
    bool m_done = false;
    bool m_ending = false;
};
