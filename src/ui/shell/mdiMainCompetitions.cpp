// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
// The frame's part in series and leagues: their windows, and the next fixture as the match on
// screen.
#include "core/competition/CompetitionStore.h"
#include "core/competition/FixturePlay.h"
#include "core/players/PlayerFile.h"
#include "core/session/MatchSession.h"
#include "ui/competition/frmCompetitions.h"
#include "ui/competition/frmLeague.h"
#include "ui/competition/frmNewLeague.h"
#include "ui/competition/frmNewSeries.h"
#include "ui/competition/frmSeries.h"
#include "ui/match/MatchWindows.h"
#include "ui/shell/frmToss.h"
#include "ui/shell/mdiMain.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

void mdiMain::mnuNewSeries_Click()
{
    if (!storeReadable())
        return;
    frmNewSeries series(*m_session->store(), this);
    if (series.exec() == QDialog::Accepted)
        openCompetition(series.created());
}

void mdiMain::mnuNewLeague_Click()
{
    if (!storeReadable())
        return;
    frmNewLeague league(*m_session->store(), this);
    if (league.exec() == QDialog::Accepted)
        openCompetition(league.created());
}

void mdiMain::mnuCompetitions_Click()
{
    if (!storeReadable())
        return;
    frmCompetitions competitions(*m_session->store(), this);
    competitions.exec();
    refreshCompetitions(); // one may have been deleted
    if (competitions.openChosen())
        openCompetition(competitions.openChosen());
}

void mdiMain::openCompetition(qint64 id)
{
    QPointer<CompetitionWindow> &window = m_competitionWindows[id];
    if (!window) {
        const std::optional<Competition> competition =
            m_session->store() ? CompetitionStore(*m_session->store()).competition(id)
                               : std::nullopt;
        if (!competition)
            return;
        if (competition->kind == CompetitionKind::Series)
            window = new frmSeries(*m_session, id, this);
        else
            window = new frmLeague(*m_session, id, this);
        connect(window, &CompetitionWindow::playNext, this, &mdiMain::playNextFixture);
    } else if (!window->reload()) {
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void mdiMain::refreshCompetitions()
{
    for (const QPointer<CompetitionWindow> &window : std::as_const(m_competitionWindows)) {
        if (window)
            window->reload();
    }
}

void mdiMain::followCompetition()
{
    const std::optional<qint64> competition =
        m_session->store()
            ? CompetitionStore(*m_session->store()).competitionOf(m_session->storedId())
            : std::nullopt;
    m_matchCompetition = competition.value_or(0);
    refreshCompetitions();
}

// Once the match windows have closed: the series or league comes back on top.
void mdiMain::returnToCompetition()
{
    if (const qint64 id = std::exchange(m_matchCompetition, 0))
        QMetaObject::invokeMethod(
            this, [this, id] { openCompetition(id); }, Qt::QueuedConnection);
}

void mdiMain::playNextFixture(qint64 id)
{
    if (!storeReadable())
        return;
    const auto next = [this, id]() -> std::optional<std::pair<Competition, Fixture>> {
        const std::optional<Competition> read =
            CompetitionStore(*m_session->store()).competition(id);
        if (!read || read->nextFixture() < 0)
            return std::nullopt;
        return std::pair(*read, read->fixtures[read->nextFixture()]);
    };
    std::optional<std::pair<Competition, Fixture>> due = next();
    if (!due)
        return;
    if (m_session->inProgress() && due->second.match == m_session->storedId()) {
        m_windows->activateInningsInPlay();
        return;
    }
    if (m_session->inProgress()) {
        if (!abandonMatchInProgress())
            return;
        // Giving up a match whose result stood finishes it: the next fixture may have moved on.
        due = next();
        if (!due)
            return;
    }
    const auto &[competition, fixture] = *due;
    if (fixture.match && fixture.status != MatchStore::Status::Damaged) {
        resumeStoredMatch(fixture.match, false);
        return;
    }
    MatchSetup setup;
    if (const QString problem =
            fixtureSetup(*m_session->store(), competition, fixture, PlayerFile(), setup);
        !problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    setup.toss = frmToss::showModal(this, setup.sides, m_session->random(),
                                    fixturePlayers(competition, fixture).computer);
    CompetitionStore competitions(*m_session->store());
    if (!startFixture(*m_session, competitions, competition, fixture, setup))
        QMessageBox::warning(this, windowTitle(),
                             u"This match could not be entered in \"%1\": it is played as a "
                             "single match."_s.arg(competition.name));
    // The match began before its fixture knew it.
    followCompetition();
}
