// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/SideStore.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

// "Saved Sides": the two sides of the next match, from every side there is. Two different
// sides are needed; Cancel and Esc start nothing.
class frmChooseSides : public QDialog
{
    Q_OBJECT
public:
    frmChooseSides(const QList<SavedSide> &sides, QWidget *parent = nullptr);
    // Creates and shows the window modally; the two sides chosen, first and second, or nothing.
    static std::optional<std::array<SavedSide, 2>> showModal(QWidget *parent,
                                                             const QList<SavedSide> &sides);

private:
    void updatePlay();

    QList<SavedSide> m_sides;
    QComboBox *m_cboSide1 = nullptr;
    QComboBox *m_cboSide2 = nullptr;
    QLabel *m_lblSidesProblem = nullptr;
    QPushButton *m_cmdPlaySides = nullptr;
};
