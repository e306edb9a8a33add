// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/mdiMain.h"

#include "core/match/Match.h"
#include "core/store/MatchStore.h"
#include "ui/match/MatchWindows.h"
#include "ui/selection/frmTeamMode.h"
#include "ui/shell/frmToss.h"

#include <QMessageBox>

void mdiMain::mnu2Human_Click()
{
    if (m_windows->inProgress() && !abandonMatchInProgress())
        return;

    MatchSetup setup;
    setup.source = frmTeamMode::showModal(this, m_sides);
    setup.toss = frmToss::showModal(this, m_sides, *m_random);
    setup.sides = m_sides;
    m_match->start(setup, *m_random);
    m_storedMatch = m_store ? m_store->beginMatch(setup, QStringLiteral("Human v Human")) : 0;
    if (m_store && !m_store->saving())
        reportStoreProblem();
    m_windows->open();
}

// Starting over the open windows would mix two matches in one set of scorecards, so the
// player chooses: keep the match, or close it as the result's Ok would and start cleanly.
bool mdiMain::abandonMatchInProgress()
{
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        QStringLiteral("A match is in progress. Abandon it and start a new match?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    m_windows->close();
    // Kept in the store, where the match history can still open it. A match whose result
    // stands unacknowledged is finished, not abandoned.
    if (m_match->isOver())
        saveResult();
    else if (m_store && m_storedMatch)
        m_store->setStatus(m_storedMatch, MatchStore::Status::Abandoned);
    m_storedMatch = 0;
    return true;
}
