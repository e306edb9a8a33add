// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class SideStore;
class PlayerDatabase;
class TeamPicker;

// "New Side": one eleven picked as in Team Selection, saved under a name of its own. Cancel
// and Esc save nothing.
class frmNewSide : public QDialog
{
    Q_OBJECT
public:
    frmNewSide(SideStore &sides, const PlayerDatabase &players, QWidget *parent = nullptr);

    // The id the side was saved under; 0 until saved.
    qint64 savedId() const { return m_savedId; }

public slots:
    void cmdUndo_Click();
    void cmdSaveSide_Click();

private:
    void updateSave();

    SideStore &m_sides;
    TeamPicker *m_picker = nullptr;
    QLineEdit *m_txtSideName = nullptr;
    QLabel *m_lblSideNameProblem = nullptr;
    QPushButton *m_cmdUndo = nullptr;
    QPushButton *m_cmdSaveSide = nullptr;
    bool m_nameTyped = false;
    qint64 m_savedId = 0;
};
