// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/players/TeamSheet.h"

#include <QWidget>
#include <array>

class PlayerDatabase;
struct NumberedPlayer;
class QComboBox;
class QLabel;
class QListWidget;

// One tab of Team Selection: an eleven picked from the player file by country, player by
// player in batting order (double-click, Enter or Space), with each pick's figures and the two
// totals; a player added to its country meanwhile joins the list. Its controls are numbered for tab
// 0 or 1 as Team Selection names them; the window holding it keeps the Undo Pick button and says
// what a complete eleven does.
class TeamPicker : public QWidget
{
    Q_OBJECT
public:
    TeamPicker(int tab, const PlayerDatabase &players, QWidget *parent = nullptr);

    const TeamSheet &sheet() const { return m_sheet; }
    // The country chosen, blanks trimmed; empty before any.
    QString country() const;
    // Says what the totals row adds up, in the place of a player's name (New Side's alone:
    // Team Selection keeps its own look).
    void labelTotals();

public slots:
    void cboTeams_Click();
    void lstPlayers_DblClick();
    // Takes back the last pick; false when none is picked.
    bool undo();

signals:
    // A player was picked or taken back.
    void picksChanged();
    void countryChosen(const QString &country);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void playerAdded(const NumberedPlayer &player);
    void showRow(int row);
    void showTotals();

    int m_tab;
    const PlayerDatabase &m_players;
    QComboBox *m_cboTeams = nullptr;
    QListWidget *m_lstPlayers = nullptr;
    std::array<QLabel *, TeamSheet::Size> m_lblPlayer{};
    std::array<QLabel *, TeamSheet::Size + 1> m_lblBat{}; // the last is the total
    std::array<QLabel *, TeamSheet::Size + 1> m_lblBowl{};
    TeamSheet m_sheet;
};
