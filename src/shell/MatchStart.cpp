// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "shell/mdiMain.h"

#include "engine/MatchWindows.h"
#include "engine/frmHighlights.h"
#include "engine/frmInnings1.h"
#include "engine/frmMatchSummary.h"
#include "engine/frmState.h"
#include "selection/frmTeamMode.h"
#include "shell/MatchReset.h"
#include "shell/frmToss.h"
#include "state/Globals.h"

#include <QMdiArea>
#include <QMessageBox>

void mdiMain::mnu2Human_Click()
{
    if (MatchWindows::matchInProgress() && !abandonMatchInProgress())
        return;

    frmTeamMode::showModal(this);
    MatchState &state = Globals::matchState();
    state.TimeUp = false;
    frmToss::showModal(this);
    state.CurrentInnings = 1;
    openMatchWindows();
    resetClockAndCards(state);
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
    MatchWindows::closeMatchWindows();
    return true;
}

// The scorecard at the top left, the state of play to its right with the summary under it,
// and the highlights under the scorecard; outer edges touch, nothing overlaps.
void mdiMain::openMatchWindows()
{
    frmInnings1 *innings = MatchWindows::InningsWindows(1);
    innings->show();
    innings->move(0, 0);

    frmState *playState = MatchWindows::state();
    playState->show();
    playState->move(innings->x() + innings->width(), innings->y());

    frmMatchSummary *summary = MatchWindows::summary();
    summary->show();
    summary->move(playState->x(), playState->y() + playState->height());

    frmHighlights *highlights = MatchWindows::highlights();
    highlights->show();
    highlights->move(innings->x(), innings->y() + innings->height());

    m_mdiArea->setActiveSubWindow(innings);
    innings->setFocus();
}
