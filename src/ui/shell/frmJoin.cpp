// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/frmJoin.h"

#include "core/net/NetMatch.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::StringLiterals;

QSpinBox *makePortBox(QWidget *parent, const QString &name)
{
    auto *port = new QSpinBox(parent);
    port->setObjectName(name);
    port->setRange(1, 65535);
    port->setValue(NetMatch::DefaultPort);
    return port;
}

QLineEdit *makeJoinCodeBox(QWidget *parent, const QString &code)
{
    auto *box = new QLineEdit(code, parent);
    box->setObjectName(u"txtJoinCode"_s);
    box->setMaxLength(32);
    return box;
}

frmJoin::frmJoin(NetMatch &net, QWidget *parent)
    : QDialog(parent), m_net(net), m_txtHostAddress(new QLineEdit(this)),
      m_spnJoinPort(makePortBox(this, u"spnJoinPort"_s)),
      m_txtJoinCode(makeJoinCodeBox(this, QString())), m_lblJoinStatus(new QLabel(this))
{
    setObjectName(u"frmJoin"_s);
    setWindowTitle(tr("Join a Network Match"));
    m_txtHostAddress->setObjectName(u"txtHostAddress"_s);
    m_txtHostAddress->setPlaceholderText(tr("a name, or an IPv4 or IPv6 address"));
    m_txtHostAddress->setMaxLength(255);
    m_lblJoinStatus->setObjectName(u"lblJoinStatus"_s);
    m_lblJoinStatus->setTextFormat(Qt::PlainText);
    m_lblJoinStatus->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    m_cmdJoin = buttons->addButton(tr("&Join"), QDialogButtonBox::AcceptRole);
    m_cmdJoin->setObjectName(u"cmdJoin"_s);
    m_cmdJoin->setDefault(true);
    QPushButton *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"cmdCancelJoin"_s);

    auto *form = new QFormLayout;
    form->addRow(tr("&Host:"), m_txtHostAddress);
    form->addRow(tr("&Port:"), m_spnJoinPort);
    form->addRow(tr("Join &code:"), m_txtJoinCode);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_lblJoinStatus);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().horizontalAdvance(u'M') * 30);

    connect(m_cmdJoin, &QPushButton::clicked, this, &frmJoin::cmdJoin_Click);
    connect(cancel, &QPushButton::clicked, this, &frmJoin::reject);
    connect(&m_net, &NetMatch::linked, this, &QDialog::accept);
    connect(&m_net, &NetMatch::ended, this, [this](const QString &why) {
        m_lblJoinStatus->setText(why);
        m_cmdJoin->setEnabled(true);
    });
}

bool frmJoin::showModal(QWidget *parent, NetMatch &net)
{
    frmJoin window(net, parent);
    return window.exec() == QDialog::Accepted;
}

void frmJoin::cmdJoin_Click()
{
    const QString address = m_txtHostAddress->text().trimmed();
    const QString code = m_txtJoinCode->text().trimmed().toUpper();
    QString problem = joinCodeProblem(code);
    if (address.isEmpty())
        problem = tr("Type the host's name or address.");
    if (!problem.isEmpty()) {
        m_lblJoinStatus->setText(problem);
        return;
    }
    m_cmdJoin->setEnabled(false);
    m_lblJoinStatus->setText(tr("Joining %1 at port %2…").arg(address).arg(m_spnJoinPort->value()));
    m_net.join(address, quint16(m_spnJoinPort->value()), code);
}

void frmJoin::reject()
{
    m_net.leave(tr("The other player stopped joining."));
    QDialog::reject();
}
