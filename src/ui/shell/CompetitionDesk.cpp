// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ui/shell/CompetitionDesk.h"

#include "core/competition/CompetitionStore.h"
#include "core/competition/FixturePlay.h"
#include "core/session/MatchSession.h"
#include "ui/common/Controls.h"
#include "ui/competition/frmCompetitions.h"
#include "ui/competition/frmLeague.h"
#include "ui/competition/frmNewLeague.h"
#include "ui/competition/frmNewSeries.h"
#include "ui/competition/frmSeries.h"
#include "ui/match/MatchWindows.h"
#include "ui/shell/frmToss.h"

#include <QCoreApplication>
#include <QMessageBox>

CompetitionDesk::CompetitionDesk(MatchSession &session, MatchWindows &windows, QWidget *frame,
                                 FrameCalls calls)
    : QObject(frame), m_session(session), m_windows(windows), m_frame(frame),
      m_calls(std::move(calls))
{}

// A new series or league, named and set up in its dialog, then shown in its window.
template <typename NewCompetition>
void CompetitionDesk::create()
{
    if (!m_calls.storeUsable())
        return;
    NewCompetition dialog(*m_session.store(), m_frame);
    if (dialog.exec() == QDialog::Accepted)
        open(dialog.created());
}

void CompetitionDesk::newSeries()
{
    create<frmNewSeries>();
}

void CompetitionDesk::newLeague()
{
    create<frmNewLeague>();
}

void CompetitionDesk::showCompetitions()
{
    if (!m_calls.storeUsable())
        return;
    frmCompetitions competitions(*m_session.store(), m_frame);
    competitions.exec();
    refresh(); // one may have been deleted
    if (competitions.openChosen())
        open(competitions.openChosen());
}

void CompetitionDesk::open(qint64 id)
{
    QPointer<CompetitionWindow> &window = m_open[id];
    if (!window) {
        const std::optional<Competition> competition =
            m_session.store() ? CompetitionStore(*m_session.store()).competition(id) : std::nullopt;
        if (!competition)
            return;
        if (competition->kind == CompetitionKind::Series)
            window = new frmSeries(m_session, id, m_frame);
        else
            window = new frmLeague(m_session, id, m_frame);
        connect(window, &CompetitionWindow::playNext, this, &CompetitionDesk::playNext);
        showCentred(window, m_frame);
    } else if (!window->reload()) {
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void CompetitionDesk::refresh()
{
    for (const QPointer<CompetitionWindow> &window : std::as_const(m_open)) {
        if (window)
            window->reload();
    }
}

void CompetitionDesk::followMatch()
{
    const std::optional<qint64> competition =
        m_session.store() ? CompetitionStore(*m_session.store()).competitionOf(m_session.storedId())
                          : std::nullopt;
    m_matchCompetition = competition.value_or(0);
    refresh();
}

void CompetitionDesk::returnToCompetition()
{
    if (const qint64 id = std::exchange(m_matchCompetition, 0))
        QMetaObject::invokeMethod(
            this, [this, id] { open(id); }, Qt::QueuedConnection);
}

void CompetitionDesk::playNext(qint64 id)
{
    if (!m_calls.storeUsable())
        return;
    const auto next = [this, id]() -> std::optional<std::pair<Competition, Fixture>> {
        const std::optional<Competition> read =
            CompetitionStore(*m_session.store()).competition(id);
        if (!read || read->nextFixture() < 0)
            return std::nullopt;
        return std::pair(*read, read->fixtures[read->nextFixture()]);
    };
    std::optional<std::pair<Competition, Fixture>> due = next();
    if (!due)
        return;
    if (m_session.inProgress() && due->second.match == m_session.storedId()) {
        m_windows.activateInningsInPlay();
        return;
    }
    if (m_session.inProgress()) {
        if (!m_calls.giveUpMatchOnScreen())
            return;
        // Giving up a match whose result stood finishes it: the next fixture may have moved on.
        due = next();
        if (!due)
            return;
    }
    const auto &[competition, fixture] = *due;
    if (fixture.match && fixture.status != MatchStore::Status::Damaged) {
        m_calls.takeUpMatch(fixture.match);
        return;
    }
    MatchSetup setup;
    if (const QString problem = fixtureSetup(*m_session.store(), competition, fixture,
                                             m_session.players().file(), setup);
        !problem.isEmpty()) {
        QMessageBox::warning(m_frame, m_frame->windowTitle(), problem);
        return;
    }
    setup.toss = frmToss::showModal(m_frame, setup.sides, m_session.random(),
                                    fixturePlayers(competition, fixture).computer);
    CompetitionStore competitions(*m_session.store());
    if (const QString why = startFixture(m_session, competitions, competition, fixture, setup);
        !why.isEmpty())
        QMessageBox::warning(m_frame, m_frame->windowTitle(),
                             QCoreApplication::translate("CompetitionDesk",
                                                         "This match could not be entered in "
                                                         "\"%1\": %2. It is played as a single "
                                                         "match.")
                                 .arg(competition.name, why));
    // The match began before its fixture knew it.
    followMatch();
}
