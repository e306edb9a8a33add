// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/frmScorecard.h"

#include "core/match/Scorecard.h"
#include "ui/common/Twips.h"
#include "ui/history/ScorecardExport.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton *addButton(QBoxLayout *row, QWidget *parent, const QString &name,
                       const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

frmScorecard::frmScorecard(const Match &match, const QString &state, QWidget *parent)
    : QDialog(parent), m_match(match), m_state(state)
{
    setObjectName(u"frmScorecard"_s);
    setWindowTitle(u"Scorecard - "_s + scorecardTitle(match));
    resize(twipsSize(9000, 9000));

    auto *page = new QTextBrowser(this);
    page->setObjectName(u"txtScorecard"_s);
    page->setHtml(scorecardHtml(match, state));

    auto *buttons = new QHBoxLayout;
    QPushButton *cmdExport = addButton(buttons, this, u"cmdExport"_s, u"&Export\u2026"_s);
    QPushButton *cmdCopy = addButton(buttons, this, u"cmdCopy"_s, u"Cop&y"_s);
    QPushButton *cmdPrint = addButton(buttons, this, u"cmdPrint"_s, u"&Print\u2026"_s);
    buttons->addStretch();
    QPushButton *cmdClose = addButton(buttons, this, u"cmdClose"_s, u"&Close"_s);
    cmdClose->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addLayout(buttons);

    connect(cmdExport, &QPushButton::clicked, this,
            [this] { exportScorecard(this, m_match, m_state); });
    connect(cmdCopy, &QPushButton::clicked, this, [this] { copyScorecard(m_match, m_state); });
    connect(cmdPrint, &QPushButton::clicked, this,
            [this] { printScorecard(this, m_match, m_state); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}
