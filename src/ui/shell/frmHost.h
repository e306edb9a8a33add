// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

#include <QDialog>

class NetMatch;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Hosting a network match between the sides picked: the port and the join code to give the
// other player, then where this computer can be reached while it waits for them.
class frmHost : public QDialog
{
    Q_OBJECT
public:
    frmHost(NetMatch &net, const MatchSetup &setup, QWidget *parent = nullptr);
    // True once the other computer has joined: the toss comes next.
    static bool showModal(QWidget *parent, NetMatch &net, const MatchSetup &setup);

public slots:
    void cmdHost_Click();
    void reject() override;

private:
    void peerRefused(const QString &why, bool listening);
    void setEditable(bool editable);

    NetMatch &m_net;
    MatchSetup m_setup;
    QSpinBox *m_spnPort;
    QLineEdit *m_txtJoinCode;
    QPushButton *m_cmdHost;
    QLabel *m_lblHostStatus;
};
