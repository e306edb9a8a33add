// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QPushButton;

// Help > About: the splash's design with an Ok button.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    // Creates, loads and shows the window modally; returns when it has closed.
    static void showModal(QWidget *parent);

public slots:
    void cmdOk_Click();

private:
    QPushButton *m_cmdOk = nullptr;
};
