// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/frmHost.h"

#include "core/net/NetMatch.h"
#include "ui/shell/frmJoin.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace {

// Where the other computer can find this one: every address but the loopback ones.
QString reachableAt(quint16 port)
{
    QStringList addresses;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (!address.isLoopback() && !address.isLinkLocal())
            addresses << address.toString();
    }
    if (addresses.isEmpty())
        return QCoreApplication::translate(
                   "frmHost", "This computer has no network address but its own (127.0.0.1); "
                              "port %1.")
            .arg(port);
    return QCoreApplication::translate("frmHost", "This computer can be reached at %1, port %2.")
        .arg(addresses.join(u", "_s))
        .arg(port);
}

} // namespace

frmHost::frmHost(NetMatch &net, const MatchSetup &setup, QWidget *parent)
    : QDialog(parent), m_net(net), m_setup(setup), m_spnPort(makePortBox(this, u"spnPort"_s)),
      m_txtJoinCode(makeJoinCodeBox(this, newJoinCode())), m_lblHostStatus(new QLabel(this))
{
    setObjectName(u"frmHost"_s);
    setWindowTitle(tr("Host a Network Match"));
    m_lblHostStatus->setObjectName(u"lblHostStatus"_s);
    m_lblHostStatus->setTextFormat(Qt::PlainText);
    m_lblHostStatus->setWordWrap(true);
    m_lblHostStatus->setText(tr("Give the other player this computer's address, the port and "
                                "the join code."));

    auto *buttons = new QDialogButtonBox(this);
    m_cmdHost = buttons->addButton(tr("&Host"), QDialogButtonBox::AcceptRole);
    m_cmdHost->setObjectName(u"cmdHost"_s);
    m_cmdHost->setDefault(true);
    QPushButton *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"cmdCancelHost"_s);

    auto *form = new QFormLayout;
    form->addRow(tr("&Port:"), m_spnPort);
    form->addRow(tr("Join &code:"), m_txtJoinCode);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_lblHostStatus);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(u'M') * 30);

    connect(m_cmdHost, &QPushButton::clicked, this, &frmHost::cmdHost_Click);
    connect(cancel, &QPushButton::clicked, this, &frmHost::reject);
    connect(&m_net, &NetMatch::linked, this, &QDialog::accept);
    connect(&m_net, &NetMatch::peerRefused, this, &frmHost::peerRefused);
}

bool frmHost::showModal(QWidget *parent, NetMatch &net, const MatchSetup &setup)
{
    frmHost window(net, setup, parent);
    return window.exec() == QDialog::Accepted;
}

void frmHost::cmdHost_Click()
{
    const QString code = m_txtJoinCode->text().trimmed().toUpper();
    QString problem = joinCodeProblem(code);
    if (problem.isEmpty())
        problem = m_net.host(m_setup, quint16(m_spnPort->value()), code);
    if (!problem.isEmpty()) {
        m_lblHostStatus->setText(problem);
        return;
    }
    m_txtJoinCode->setText(code);
    setEditable(false);
    m_lblHostStatus->setText(
        tr("%1\nWaiting for the other player…").arg(reachableAt(m_net.port())));
}

void frmHost::peerRefused(const QString &why, bool listening)
{
    m_lblHostStatus->setText(
        listening ? tr("%1\n%2\nWaiting for the other player…").arg(reachableAt(m_net.port()), why)
                  : why);
    setEditable(!listening);
}

// While hosting, the port and code stand as given.
void frmHost::setEditable(bool editable)
{
    m_cmdHost->setEnabled(editable);
    m_spnPort->setEnabled(editable);
    m_txtJoinCode->setEnabled(editable);
}

void frmHost::reject()
{
    // The port closes with the window.
    m_net.leave(tr("The host stopped hosting."));
    QDialog::reject();
}
