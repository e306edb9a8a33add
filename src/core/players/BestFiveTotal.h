// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// A non-bowler (average 0) counts as 100, so a side without five bowlers pays for it.
constexpr int NonBowlerAverage = 100;

// The rows (0..10) of the five best, that is lowest, bowling averages, in the order they are
// taken; on equal values the lowest row goes first.
std::array<int, 5> BestFiveRows(const std::array<int, 11> &bowlingAverages);

// The sum of the five lowest bowling averages of an eleven, non-bowlers counted as 100.
int BestFiveTotal(const std::array<int, 11> &bowlingAverages);
