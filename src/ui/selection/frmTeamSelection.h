// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"
#include "core/players/TeamSheet.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

// "Team Selection": both elevens picked from the player database, player by player in batting
// order; once both are complete they are written into the sides of the next match.
class frmTeamSelection : public QDialog
{
    Q_OBJECT
public:
    explicit frmTeamSelection(std::array<Side, 2> &sides, QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed: true with both
    // elevens written into sides, false when Cancel ended the program.
    static bool showModal(QWidget *parent, std::array<Side, 2> &sides);

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
    void Form_Load();
    void buildTab(int tab);
    void showRow(int tab, int row);
    void showTotals(int tab);
    void updateUndo();

    QTabWidget *m_SSTab1 = nullptr;
    std::array<QWidget *, 2> m_pages{};
    std::array<QWidget *, 2> m_canvases{};
    std::array<QComboBox *, 2> m_cboTeams{};
    std::array<QListWidget *, 2> m_lstPlayers{};
    std::array<QLabel *, 22> m_lblPlayer{};
    std::array<QLabel *, 24> m_lblBat{};
    std::array<QLabel *, 24> m_lblBowl{};
    QPushButton *m_cmdUndo = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    QPushButton *m_cmdOk = nullptr;
    std::array<Side, 2> &m_sides;
    std::array<TeamSheet, 2> m_sheets{};
    bool m_done = false;
    bool m_ending = false;
};
