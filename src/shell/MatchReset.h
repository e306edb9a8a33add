// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

struct MatchState;

// The last step of a match start: the clock back to 10:00 and the four innings' partnership
// and fall-of-wicket records emptied (Pair blanks, FOW 0).
void resetClockAndCards(MatchState &state);
