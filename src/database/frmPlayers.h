// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// Placeholder until the window is built.
class frmPlayers : public QDialog
{
    Q_OBJECT
public:
    explicit frmPlayers(QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed.
    static void showModal(QWidget *parent);
};
