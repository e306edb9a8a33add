// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// Placeholder until the window is built.
class frmFOWGraph : public QDialog
{
    Q_OBJECT
public:
    explicit frmFOWGraph(QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed.
    static void showModal(QWidget *parent);
};
