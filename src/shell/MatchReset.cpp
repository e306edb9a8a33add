// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "shell/MatchReset.h"

#include "state/MatchState.h"

void resetClockAndCards(MatchState &state)
{
    state.ClockHour = 10;
    state.ClockMinute = 0;
    for (std::size_t innings = 1; innings <= 4; ++innings) {
        BattingCard &card = state.Cards[innings];
        for (auto &pair : card.Pair)
            pair = u"";
        card.FOW.fill(0);
    }
}
