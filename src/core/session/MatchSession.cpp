// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/session/MatchSession.h"

#include "core/common/RandomSource.h"
#include "core/match/ComputerPlayer.h"
#include "core/match/InBuiltTeams.h"
#include "core/match/Match.h"
#include "core/store/CareerStatistics.h"
#include "core/store/MatchStore.h"
#include <QCoreApplication>

using namespace Qt::StringLiterals;

MatchSession::MatchSession(QObject *parent)
    : QObject(parent), m_match(new Match(this)), m_computer(new ComputerPlayer(
                                                     *m_match, [this] { submit({}); }, this)),
      m_sides(inBuiltSides())
{
    // The store has each over before any view hears of it.
    connect(m_match, &Match::overLogged, this, &MatchSession::saveOver);
}

MatchSession::~MatchSession() = default;

void MatchSession::setRandomSource(RandomSource *random)
{
    m_random = random ? random : &m_timeSeeded;
    m_match->setRandomSource(*m_random);
}

bool MatchSession::openStore()
{
    if (m_store)
        return m_store->saving();
    m_store = std::make_unique<MatchStore>(m_storePath.isEmpty() ? MatchStore::defaultPath()
                                                                 : m_storePath);
    const bool opened = m_store->open() && CareerStatistics(*m_store).rebuildIfDue();
    if (!m_store->notice().isEmpty())
        emit storeNotice(m_store->notice());
    if (!opened)
        reportStoreProblem();
    return opened;
}

QList<SavedSide> MatchSession::sides() const
{
    return m_store ? SideStore(*m_store).sides() : SideStore::inBuiltSides();
}

QString MatchSession::chooseSides(const SavedSide &first, const SavedSide &second)
{
    return matchSides(first, second, m_players.file(), m_sides);
}

MatchStart MatchStart::afterToss(const MatchSetup &setup, MatchMode mode, int chosenSide)
{
    const int side = mode == MatchMode::HumanVCpu || mode == MatchMode::Network ? chosenSide : -1;
    return {setup, mode, side >= 0 && TossRules::exchanged(setup.toss) ? 1 - side : side};
}

void MatchSession::start(const MatchStart &start)
{
    if (m_inProgress)
        abandon();
    m_sides = start.setup.sides;
    m_mode = start.mode;
    m_userSide = start.userSide;
    m_match->start(start.setup, *m_random);
    m_storedId = m_store ? m_store->beginMatch(start.setup, start.mode, start.userSide) : 0;
    if (m_store && !m_store->saving())
        reportStoreProblem();
    beginPlay(false);
}

QString MatchSession::submit(const OverEntry &entry)
{
    return m_inProgress ? playEntry(*m_match, entry)
                        : QCoreApplication::translate("MatchSession", "no match is in progress");
}

QString playEntry(Match &match, const OverEntry &entry)
{
    if (!match.started() || match.isOver())
        return QCoreApplication::translate("MatchSession", "the match has no over to play");
    const int face = entry.face ? entry.face : match.rollDie();
    if (face < 1 || face > 6)
        return QCoreApplication::translate("MatchSession", "a face of %1 is not on the die")
            .arg(face);
    if (!entry.draws) {
        match.playOver(face);
        return {};
    }
    const auto play = [&](Match &into) {
        ReplayRandom draws(entry.draws->data(), entry.draws->data() + entry.draws->size());
        into.playOver(face, draws);
        return draws.error().isEmpty() && !draws.exhausted()
                   ? QCoreApplication::translate("MatchSession",
                                                 "the over has more draws than it took")
                   : draws.error();
    };
    // Tried on a copy first: draws that do not fit the over change nothing.
    Match trial;
    trial.adopt(match);
    if (QString why = play(trial); !why.isEmpty())
        return why;
    return play(match);
}

void MatchSession::beginPlay(bool paused)
{
    m_inProgress = true;
    setPaused(paused);
    emit matchBegun();
    m_computer->setSides(computerSides());
}

std::array<bool, 2> MatchSession::computerSides() const
{
    return m_inProgress ? ::computerSides(m_mode, m_userSide) : std::array<bool, 2>{};
}

void MatchSession::abandon()
{
    if (!m_inProgress)
        return;
    // A match whose result stands unaccepted is finished, not abandoned; either stays in the
    // store, where the history can still open it.
    if (m_match->isOver())
        acceptResult();
    else
        end(true);
}

void MatchSession::acceptResult()
{
    if (!m_inProgress)
        return;
    if (m_storedId &&
        !CareerStatistics(*m_store).finish(m_storedId, *m_match, m_match->log().overs()))
        reportStoreProblem();
    end(false);
}

void MatchSession::end(bool abandoned)
{
    if (m_storedId && abandoned && !m_store->setStatus(m_storedId, MatchStore::Status::Abandoned))
        reportStoreProblem();
    m_storedId = 0;
    m_inProgress = false;
    // The computer plays no more overs of a match that is gone from the screen.
    m_computer->setSides({});
    emit matchEnded();
}

std::optional<qint64> MatchSession::lastInProgress() const
{
    const std::optional<MatchStore::Entry> entry =
        m_store ? m_store->lastInProgress() : std::nullopt;
    return entry ? std::optional(entry->id) : std::nullopt;
}

QString MatchSession::load(qint64 id, Match &into)
{
    if (!m_store || !m_store->saving())
        return QCoreApplication::translate("MatchSession", "the match store is not open");
    const QString error = m_store->replayMatch(id, into, *m_random);
    if (!error.isEmpty() && !m_store->setStatus(id, MatchStore::Status::Damaged))
        reportStoreProblem();
    return error;
}

QString MatchSession::resume(qint64 id, const Match *loaded)
{
    if (m_inProgress && id == m_storedId)
        return {};
    // Replayed once, into a copy: a log that does not replay leaves the match on screen alone.
    Match read;
    if (!loaded) {
        if (QString error = load(id, read); !error.isEmpty())
            return error;
        loaded = &read;
    } else if (!m_store || !m_store->saving()) {
        return QCoreApplication::translate("MatchSession", "the match store is not open");
    }
    // An abandoned match taken up again is in progress once more; the match on screen stays
    // when that cannot be saved.
    if (!m_store->setStatus(id, MatchStore::Status::InProgress)) {
        reportStoreProblem();
        return m_store->problem();
    }
    if (m_inProgress) // another match: the same one returned above
        abandon();
    m_match->adopt(*loaded);
    m_match->setRandomSource(*m_random);
    m_sides = m_match->log().setup.sides;
    m_storedId = id;
    const std::optional<MatchStore::Entry> entry = m_store->entry(id);
    m_mode = entry ? entry->mode : MatchMode::HumanVHuman;
    m_userSide = entry ? entry->userSide : -1;
    // The computer waits for Pause: the player first sees where the match stands.
    beginPlay(m_mode == MatchMode::HumanVCpu || m_mode == MatchMode::CpuVCpu);
    return {};
}

void MatchSession::setInterval(int ms)
{
    m_computer->setInterval(ms);
}

void MatchSession::setPaused(bool paused)
{
    if (paused == m_computer->paused())
        return;
    m_computer->setPaused(paused);
    emit pausedChanged(paused);
}

bool MatchSession::paused() const
{
    return m_computer->paused();
}

void MatchSession::saveOver(int index)
{
    if (m_storedId && !m_store->appendOver(m_storedId, m_match->log(), index))
        reportStoreProblem();
}

// Once: the store has stopped saving and says why; the game goes on.
void MatchSession::reportStoreProblem()
{
    m_storedId = 0;
    if (m_reported)
        return;
    m_reported = true;
    emit storeProblem(m_store->problem());
}

QString resumeSummary(const Match &match)
{
    // After the fourth innings the last one's figures stand.
    const int innings = std::min(match.currentInnings(), 4);
    const int wickets = match.currentInnings() > 4 ? 10 : match.state().WicketsDown;
    return QCoreApplication::translate("MatchSession", "%1 v %2: day %3, %4, %5 (%6 wickets)")
        .arg(match.summary().team1, match.summary().team2)
        .arg(match.clock().day)
        .arg(match.clock().timeCaption())
        .arg(match.innings(innings).total)
        .arg(wickets);
}
