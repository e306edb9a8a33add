// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/players/BestFiveTotal.h"

namespace {
// Larger than any average, so a row already taken is never the smallest again.
constexpr int Taken = 999;

std::array<int, 11> withNonBowlers(const std::array<int, 11> &averages)
{
    std::array<int, 11> values = averages;
    for (int &value : values) {
        if (value == 0)
            value = NonBowlerAverage;
    }
    return values;
}
} // namespace

std::array<int, 5> BestFiveRows(const std::array<int, 11> &bowlingAverages)
{
    std::array<int, 11> values = withNonBowlers(bowlingAverages);
    std::array<int, 5> rows{};
    for (int &row : rows) {
        row = 0;
        for (int i = 1; i < int(values.size()); ++i) {
            if (values[std::size_t(i)] < values[std::size_t(row)])
                row = i;
        }
        values[std::size_t(row)] = Taken;
    }
    return rows;
}

int BestFiveTotal(const std::array<int, 11> &bowlingAverages)
{
    const std::array<int, 11> values = withNonBowlers(bowlingAverages);
    int total = 0;
    for (const int row : BestFiveRows(bowlingAverages))
        total += values[std::size_t(row)];
    return total;
}
