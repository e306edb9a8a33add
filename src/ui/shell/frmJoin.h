// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class NetMatch;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Joining a network match another computer hosts: its address, port and join code.
class frmJoin : public QDialog
{
    Q_OBJECT
public:
    explicit frmJoin(NetMatch &net, QWidget *parent = nullptr);
    // True once joined, the sides known: the toss comes next.
    static bool showModal(QWidget *parent, NetMatch &net);

public slots:
    void cmdJoin_Click();
    void reject() override;

private:
    NetMatch &m_net;
    QLineEdit *m_txtHostAddress;
    QSpinBox *m_spnJoinPort;
    QLineEdit *m_txtJoinCode;
    QPushButton *m_cmdJoin;
    QLabel *m_lblJoinStatus;
};

// The boxes both windows share.
QSpinBox *makePortBox(QWidget *parent, const QString &name);
QLineEdit *makeJoinCodeBox(QWidget *parent, const QString &code);
