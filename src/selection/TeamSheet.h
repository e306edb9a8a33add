// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>

// One tab's eleven as picked so far: the figures its row and total captions are written from.
class TeamSheet
{
public:
    static constexpr int Size = 11;

    int picked() const { return m_picked; }
    bool complete() const { return m_picked == Size; }

    // Fills the next batting position; returns its row (0..10), or -1 when the eleven is full.
    int add(const QString &name, int batting, int bowling);

    const QString &name(int row) const { return m_names[std::size_t(row)]; }
    int batting(int row) const { return m_batting[std::size_t(row)]; }
    int bowling(int row) const { return m_bowling[std::size_t(row)]; }

    int battingTotal() const;
    // The five best bowling averages, non-bowlers counted as 100.
    int bowlingTotal() const;

private:
    int m_picked = 0;
    std::array<QString, Size> m_names{};
    std::array<int, Size> m_batting{};
    std::array<int, Size> m_bowling{};
};
