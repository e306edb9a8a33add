// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/mdiMain.h"

#include "core/match/Match.h"
#include "core/match/Scorecard.h"
#include "core/store/MatchStore.h"
#include "ui/history/ScorecardExport.h"
#include "ui/history/frmHistory.h"
#include "ui/history/frmStats.h"
#include "ui/match/MatchWindows.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

qint64 mdiMain::matchOnScreen() const
{
    return m_windows->inProgress() ? m_storedMatch : 0;
}

bool mdiMain::storeReadable()
{
    if (m_store && m_store->saving())
        return true;
    QMessageBox::information(this, windowTitle(),
                             m_store ? m_store->problem() : u"The match store is not open."_s);
    return false;
}

void mdiMain::mnuHistory_Click()
{
    if (!storeReadable())
        return;
    frmHistory history(*m_store, matchOnScreen(), this);
    history.exec();
    // Once the history is gone: the question about the match on screen stands alone.
    if (history.resumeChosen())
        resumeFromHistory(history.resumeChosen());
}

void mdiMain::mnuStats_Click()
{
    if (!storeReadable())
        return;
    frmStats stats(*m_store, this);
    stats.exec();
}

void mdiMain::mnuExport_Click()
{
    if (m_windows->inProgress())
        exportScorecard(this, *m_match, scorecardState(*m_match, false));
}

void mdiMain::mnuPrint_Click()
{
    if (m_windows->inProgress())
        printScorecard(this, *m_match, scorecardState(*m_match, false));
}
