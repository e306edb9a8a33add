// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

class RandomSource;

// The umpire: true when a batsman of this batting average (0..255) is given out. Makes one draw
// from 1 to 10 whatever the average, so the sequence of draws never depends on who bats.
bool AppealDecision(int average, RandomSource &random);

// The highest draw that is still out for this average: 10, 9, 7, 5, 4 or 3.
int appealOutLimit(int average);
