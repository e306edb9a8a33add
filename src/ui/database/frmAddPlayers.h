// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class PlayerDatabase;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Adding A New Player": one player per "&Add", appended to the file; stays open until
// "&Cancel".
class frmAddPlayers : public QDialog
{
    Q_OBJECT
public:
    explicit frmAddPlayers(PlayerDatabase &players, QWidget *parent = nullptr);
    static void showModal(QWidget *parent, PlayerDatabase &players);

    void Form_Load();

public slots:
    void cmdAdd_Click();
    void cmdClose_Click();

private:
    void warn(const QString &title, const QString &text);
    void appendFailed(int code);

    PlayerDatabase &m_players;
    QLineEdit *m_txtName = nullptr;
    QComboBox *m_cboCountry = nullptr;
    QLineEdit *m_txtBatting = nullptr;
    QLineEdit *m_txtBowling = nullptr;
    QCheckBox *m_chkCaptain = nullptr;
    QCheckBox *m_chkWicket = nullptr;
    QPushButton *m_cmdAdd = nullptr;
    QPushButton *m_cmdClose = nullptr;
};
