// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

class Match;

// Bats for the computer's sides: while one of them is in, it asks for an over at its pace,
// through `playOver` (the session's, as the ROLL button's), so its overs are logged, shown and
// saved like any other.
class ComputerPlayer : public QObject
{
    Q_OBJECT
public:
    // Pace of play: milliseconds from one over to the next.
    static constexpr int Slow = 1000;
    static constexpr int Normal = 300;
    static constexpr int Fast = 50;
    static constexpr int Instant = 0;
    // At Instant, overs are played in slices this long, so the windows still paint and answer.
    static constexpr int InstantSliceMs = 15;
    // and between slices it waits this long: a zero timer that always fires can starve the
    // other timers (a dialog's, the result's Ok).
    static constexpr int InstantBreakMs = 1;
    // How often a held player looks again whether it may go on.
    static constexpr int HoldPollMs = 50;

    ComputerPlayer(const Match &match, std::function<void()> playOver, QObject *parent = nullptr);

    // Which sides it bats for: [0] bats innings 1 and 3, [1] innings 2 and 4.
    void setSides(std::array<bool, 2> sides);
    bool batsFor(int innings) const;
    // Takes effect at the next over: counted from the last over played.
    void setInterval(int ms);
    int interval() const { return m_interval; }
    void setPaused(bool paused);
    bool paused() const { return m_paused; }
    // While this answers true (a dialog open in front of the match, say) no over is played.
    void setHold(std::function<bool()> held) { m_held = std::move(held); }

private:
    bool wanted() const;
    void schedule();
    void play();

    const Match &m_match;
    std::function<void()> m_playOver;
    QTimer m_timer;
    QElapsedTimer m_sinceOver;
    std::array<bool, 2> m_sides{};
    std::function<bool()> m_held;
    int m_interval = Normal;
    bool m_paused = false;
    bool m_playing = false;
};
