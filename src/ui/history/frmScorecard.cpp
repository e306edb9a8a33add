// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/history/frmScorecard.h"

#include "core/common/RandomSource.h"
#include "core/match/Match.h"
#include "core/match/Scorecard.h"
#include "core/pages/Pages.h"
#include "core/store/MatchStore.h"
#include "ui/common/Controls.h"
#include "ui/common/Twips.h"
#include "ui/history/ScorecardExport.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

frmScorecard::frmScorecard(const Match &match, const QString &state, QWidget *parent,
                           bool replayable)
    : QDialog(parent), m_match(match), m_state(state)
{
    setObjectName(u"frmScorecard"_s);
    setWindowTitle(tr("Scorecard - %1").arg(scorecardTitle(match)));
    resize(twipsSize(9000, 9000));

    auto *page = new QTextBrowser(this);
    page->setObjectName(u"txtScorecard"_s);
    page->setHtml(scorecardHtml(match, state));

    auto *buttons = new QHBoxLayout;
    QPushButton *cmdExport = addButton(buttons, this, u"cmdExport"_s, tr("&Export…"));
    QPushButton *cmdCopy = addButton(buttons, this, u"cmdCopy"_s, tr("Cop&y"));
    QPushButton *cmdPrint = addButton(buttons, this, u"cmdPrint"_s, tr("&Print…"));
    if (replayable) {
        QPushButton *cmdReplay = addButton(buttons, this, u"cmdReplayCard"_s, tr("&Replay"));
        connect(cmdReplay, &QPushButton::clicked, this, [this] {
            m_replayChosen = true;
            accept();
        });
    }
    buttons->addStretch();
    QPushButton *cmdClose = addButton(buttons, this, u"cmdClose"_s, tr("&Close"));
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

bool frmScorecard::openStored(QWidget *parent, MatchStore &store, qint64 id, bool abandoned)
{
    Match match;
    TimeSeededRandom unused;
    if (const QString error = store.replayMatch(id, match, unused); !error.isEmpty()) {
        QMessageBox::warning(parent, parent->windowTitle(),
                             tr("The match could not be opened: %1.").arg(error));
        return false;
    }
    frmScorecard scorecard(match, scorecardState(match, abandoned), parent, true);
    scorecard.exec();
    return scorecard.replayChosen();
}
