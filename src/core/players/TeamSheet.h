// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

#include <QString>
#include <array>

struct PlayerRecord;

// One eleven picked from the player file, player by player in batting order: the figures the
// selection rows and totals show, and the side it becomes.
class TeamSheet
{
public:
    static constexpr int Size = 11;

    int picked() const { return m_picked; }
    bool complete() const { return m_picked == Size; }

    // Fills the next batting position with the player of this record; returns its row (0..10),
    // or -1 when the eleven is full.
    int add(const PlayerRecord &player, int recordNumber);
    // Takes back the last player picked; returns his row, or -1 when none is picked.
    int removeLast();

    // The scorecard form of the name ("AM Lee").
    const QString &name(int row) const { return m_names[std::size_t(row)]; }
    int batting(int row) const { return m_batting[std::size_t(row)]; }
    int bowling(int row) const { return m_bowling[std::size_t(row)]; }
    // His record and full name.
    const PlayerOrigin &origin(int row) const { return m_origins[std::size_t(row)]; }

    int battingTotal() const;
    // The five best bowling averages, non-bowlers counted as 100.
    int bowlingTotal() const;

    // The team under this name with the players picked so far, each remembering his record.
    void writeSide(Side &side, const QString &teamName) const;

private:
    int m_picked = 0;
    std::array<QString, Size> m_names{};
    std::array<int, Size> m_batting{};
    std::array<int, Size> m_bowling{};
    std::array<PlayerOrigin, Size> m_origins{};
};
