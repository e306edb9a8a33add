// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/frmAbout.h"

#include "ui/common/Controls.h"
#include "ui/shell/ProductDesign.h"

#include <QPushButton>

frmAbout::frmAbout(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Stumpwell"));
    setFixedClientTwips(this, 5550, 3615);

    ProductDesign::build(this, 1935, {{ProductDesign::aboutNotice(), 1320, 1575}});

    m_cmdOk = makeButton(this, QStringLiteral("cmdOk"), tr("&Ok"), 2400, 3120, 735, 375);
    m_cmdOk->setDefault(true);
    m_cmdOk->setFocus();
    connect(m_cmdOk, &QPushButton::clicked, this, &frmAbout::cmdOk_Click);
}

void frmAbout::showModal(QWidget *parent)
{
    frmAbout window(parent);
    window.exec();
}

void frmAbout::cmdOk_Click()
{
    accept();
}
