// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/Competition.h"

#include <QDialog>

class MatchStore;
class QPushButton;
class QTableWidget;

// Every series and league, the newest first: opened in its window, or deleted (its matches
// stay in the history as single matches).
class frmCompetitions : public QDialog
{
    Q_OBJECT
public:
    explicit frmCompetitions(MatchStore &store, QWidget *parent = nullptr);
    // The competition to open once the window has closed, or 0.
    qint64 openChosen() const { return m_open; }

private:
    void reload();
    const Competition *selected() const;
    void cmdOpenCompetition_Click();
    void cmdDeleteCompetition_Click();

    MatchStore &m_store;
    QList<Competition> m_competitions;
    QTableWidget *m_tblCompetitions;
    QPushButton *m_cmdOpenCompetition;
    QPushButton *m_cmdDeleteCompetition = nullptr;
    qint64 m_open = 0;
};
