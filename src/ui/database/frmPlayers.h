// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/players/PlayerDatabase.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

// "Players Database": players per country, created when missing, and the way to add players.
// The counts follow every player added while it is open.
class frmPlayers : public QDialog
{
    Q_OBJECT
public:
    explicit frmPlayers(PlayerDatabase &players, QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed, or at once when
    // the load failed and the program was told to end.
    static void showModal(QWidget *parent, PlayerDatabase &players);

    // False when the load failed fatally; the window must then not be shown.
    bool Form_Load();

public slots:
    void cmdAdd_Click();
    void cmdFind_Click();
    void cmdClose_Click();

private:
    // Reads the counts from a file of that many records; the failure's code, or None.
    int countPlayers(int records);
    void showCounts();
    void fatalError(int code);
    void recount();

    PlayerDatabase &m_database;
    // Taken while loading and again when the add window closes.
    std::array<int, 9> m_counts{};
    int m_players = 0;
    QLabel *m_lblTotal = nullptr;
    std::array<QLabel *, 9> m_countLabels{};
    QPushButton *m_cmdAdd = nullptr;
    QPushButton *m_cmdFind = nullptr;
    QPushButton *m_cmdClose = nullptr;
};
