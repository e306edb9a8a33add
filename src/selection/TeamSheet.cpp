// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "selection/TeamSheet.h"

#include "selection/BestFiveTotal.h"

#include <numeric>

int TeamSheet::add(const QString &name, int batting, int bowling)
{
    if (complete())
        return -1;
    const int row = m_picked++;
    m_names[std::size_t(row)] = name;
    m_batting[std::size_t(row)] = batting;
    m_bowling[std::size_t(row)] = bowling;
    return row;
}

int TeamSheet::battingTotal() const
{
    return std::accumulate(m_batting.begin(), m_batting.end(), 0);
}

int TeamSheet::bowlingTotal() const
{
    return BestFiveTotal(m_bowling);
}
