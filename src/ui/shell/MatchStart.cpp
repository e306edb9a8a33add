// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/mdiMain.h"

#include "core/match/ComputerPlayer.h"
#include "core/match/Match.h"
#include "core/store/MatchStore.h"
#include "ui/match/MatchWindows.h"
#include "ui/selection/frmTeamMode.h"
#include "ui/shell/frmSide.h"
#include "ui/shell/frmToss.h"

#include <QMessageBox>

void mdiMain::mnu2Human_Click()
{
    startMatch(MatchMode::HumanVHuman);
}

void mdiMain::mnu1Human_Click()
{
    startMatch(MatchMode::HumanVCpu);
}

void mdiMain::mnuHuman0_Click()
{
    startMatch(MatchMode::CpuVCpu);
}

void mdiMain::startMatch(MatchMode mode)
{
    if (m_windows->inProgress() && !abandonMatchInProgress())
        return;

    MatchSetup setup;
    setup.source = frmTeamMode::showModal(this, m_sides);
    int userSide = mode == MatchMode::HumanVCpu ? frmSide::showModal(this, m_sides) : -1;
    setup.toss = frmToss::showModal(this, m_sides, *m_random, computerSides(mode, userSide));
    // The user's team goes where the toss put it.
    if (userSide >= 0 &&
        TossRules::exchangeNeeded(TossRules::callerWon(setup.toss.call, setup.toss.coin),
                                  setup.toss.choice))
        userSide = 1 - userSide;
    setup.sides = m_sides;
    m_match->start(setup, *m_random);
    m_storedMatch = m_store ? m_store->beginMatch(setup, modeText(mode), userSide) : 0;
    if (m_store && !m_store->saving())
        reportStoreProblem();
    beginPlay(mode, userSide, false);
}

void mdiMain::beginPlay(MatchMode mode, int userSide, bool paused)
{
    const std::array<bool, 2> computer = computerSides(mode, userSide);
    m_mnuPause->setChecked(paused);
    m_windows->setComputerSides(computer);
    m_windows->open();
    m_computer->setSides(computer);
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
