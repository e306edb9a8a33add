// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/MatchLog.h"

// The two elevens the game ships with, so a match can be played before any player database
// exists: Australia first, England second.
std::array<Side, 2> inBuiltSides();
