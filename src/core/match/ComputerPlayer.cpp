// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/ComputerPlayer.h"

#include "core/match/Match.h"
#include "core/match/TossRules.h"

#include <algorithm>

ComputerPlayer::ComputerPlayer(const Match &match, std::function<void()> playOver, QObject *parent)
    : QObject(parent), m_match(match), m_playOver(std::move(playOver))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ComputerPlayer::play);
    // Every over, whoever played it, starts the wait for the next.
    connect(&match, &Match::changed, this, [this] {
        m_sinceOver.start();
        if (!m_playing)
            schedule();
    });
}

void ComputerPlayer::setSides(std::array<bool, 2> sides)
{
    m_sides = sides;
    m_sinceOver.start();
    schedule();
}

bool ComputerPlayer::batsFor(int innings) const
{
    return innings >= 1 && innings <= 4 && m_sides[TossRules::battingSide(innings)];
}

void ComputerPlayer::setInterval(int ms)
{
    m_interval = std::max(0, ms);
    schedule();
}

void ComputerPlayer::setPaused(bool paused)
{
    m_paused = paused;
    schedule();
}

bool ComputerPlayer::wanted() const
{
    return !m_paused && m_match.started() && !m_match.isOver() && batsFor(m_match.currentInnings());
}

void ComputerPlayer::schedule()
{
    if (!wanted()) {
        m_timer.stop();
        return;
    }
    if (m_interval == Instant) {
        m_timer.start(InstantBreakMs);
        return;
    }
    const qint64 waited = m_sinceOver.isValid() ? m_sinceOver.elapsed() : 0;
    m_timer.start(int(std::max<qint64>(0, m_interval - waited)));
}

void ComputerPlayer::play()
{
    if (!wanted())
        return;
    if (m_held && m_held()) {
        m_timer.start(HoldPollMs);
        return;
    }
    m_playing = true;
    QElapsedTimer slice;
    slice.start();
    do
        m_playOver();
    while (m_interval == Instant && wanted() && slice.elapsed() < InstantSliceMs &&
           !(m_held && m_held()));
    m_playing = false;
    schedule();
}
