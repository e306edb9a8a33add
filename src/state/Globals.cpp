// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "state/Globals.h"

#include "common/RandomSource.h"

namespace {
RandomSource *g_override = nullptr;
}

MatchState &Globals::matchState()
{
    static MatchState state;
    return state;
}

RandomSource &Globals::random()
{
    static TimeSeededRandom timeSeeded;
    return g_override ? *g_override : timeSeeded;
}

void Globals::setRandom(RandomSource *source)
{
    g_override = source;
}
