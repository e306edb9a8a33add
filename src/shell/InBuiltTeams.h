// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

struct MatchState;

// The two elevens the game ships with, so a match can be played before any player database
// exists. Writes Team1 and Team2 whole (names, colours, players, averages); the rest of the
// record is left alone.
void storeInBuiltTeams(MatchState &state);
