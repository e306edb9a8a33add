// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "state/MatchState.h"

class RandomSource;

// What the whole program shares: the one match record and the one random source.
namespace Globals {
MatchState &matchState();
RandomSource &random();
// Tests script the draws; passing nullptr restores the time-seeded source.
void setRandom(RandomSource *source);
} // namespace Globals
