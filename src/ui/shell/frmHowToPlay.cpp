// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/frmHowToPlay.h"

#include "ui/common/Twips.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmHowToPlay::frmHowToPlay(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmHowToPlay"));
    setWindowTitle(tr("How to Play"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("txtHowToPlay"));
    // Built into the program from docs/how-to-play.md, the README's section word for word, or
    // from its translation.
    //: The rules in this language: how-to-play.<language>.md in docs/
    QFile rules(u":/docs/"_s + tr("how-to-play.md"));
    if (rules.open(QIODevice::ReadOnly))
        text->setMarkdown(QString::fromUtf8(rules.readAll()));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(twipsSize(10500, 9000));
}
