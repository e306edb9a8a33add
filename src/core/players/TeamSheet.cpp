// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/players/TeamSheet.h"

#include "core/players/BestFiveTotal.h"
#include "core/players/FormatPlayerName.h"
#include "core/players/PlayerRecord.h"

#include <numeric>

int TeamSheet::add(const PlayerRecord &player, int recordNumber)
{
    if (complete())
        return -1;
    const auto row = std::size_t(m_picked++);
    m_names[row] = FormatPlayerName(player.PlayerName.text());
    m_batting[row] = player.BattingAverage;
    m_bowling[row] = player.BowlingAverage;
    m_origins[row] = {recordNumber, player.PlayerName.trimmed()};
    return int(row);
}

int TeamSheet::removeLast()
{
    if (m_picked == 0)
        return -1;
    const auto row = std::size_t(--m_picked);
    m_names[row].clear();
    m_batting[row] = 0;
    m_bowling[row] = 0;
    m_origins[row] = {};
    return int(row);
}

int TeamSheet::battingTotal() const
{
    return std::accumulate(m_batting.begin(), m_batting.end(), 0);
}

int TeamSheet::bowlingTotal() const
{
    return BestFiveTotal(m_bowling);
}

void TeamSheet::writeSide(Side &side, const QString &teamName) const
{
    side.team.Name = teamName;
    for (std::size_t row = 0; row < std::size_t(m_picked); ++row) {
        side.team.Players[row + 1] = m_names[row];
        side.team.BatAverage[row + 1] = quint8(m_batting[row]);
        side.origins[row + 1] = m_origins[row];
    }
}
