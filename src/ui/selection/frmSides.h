// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/SideStore.h"

#include <QDialog>

class PlayerDatabase;
class QPushButton;
class QTableWidget;

// "Sides": every side a match can be played between, the two in-built ones first and
// read-only; new sides are picked here, and saved ones renamed or deleted.
class frmSides : public QDialog
{
    Q_OBJECT
public:
    frmSides(MatchStore &store, const PlayerDatabase &players, QWidget *parent = nullptr);

public slots:
    void cmdNewSide_Click();
    void cmdRenameSide_Click();
    void cmdDeleteSide_Click();

private:
    void reload(qint64 select);
    const SavedSide *selected() const;
    void updateButtons();

    SideStore m_store;
    const PlayerDatabase &m_players;
    QList<SavedSide> m_sides;
    QTableWidget *m_tblSides = nullptr;
    QPushButton *m_cmdRenameSide = nullptr;
    QPushButton *m_cmdDeleteSide = nullptr;
};
