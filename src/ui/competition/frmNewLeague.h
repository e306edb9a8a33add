// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/Competition.h"
#include "core/store/SideStore.h"

#include <QDialog>

class MatchStore;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// A new league: which sides play and which of them the computer plays, once or twice round,
// and its name. Start saves it with its fixtures.
class frmNewLeague : public QDialog
{
    Q_OBJECT
public:
    // Columns of tblLeagueSides.
    enum Column
    {
        SideColumn,
        PlaysColumn,
        ComputerColumn
    };

    explicit frmNewLeague(MatchStore &store, QWidget *parent = nullptr);
    // The league saved, or 0 when the window was cancelled.
    qint64 created() const { return m_created; }

private:
    bool ticked(int row, int column) const;
    QList<CompetitionSide> chosenSides() const;
    void updateStart();
    void cmdStartLeague_Click();

    MatchStore &m_store;
    QList<SavedSide> m_sides;
    QTableWidget *m_tblLeagueSides = nullptr;
    QComboBox *m_cboRounds = nullptr;
    QLineEdit *m_txtLeagueName = nullptr;
    QLabel *m_lblLeagueProblem = nullptr;
    QPushButton *m_cmdStartLeague = nullptr;
    qint64 m_created = 0;
};
