// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/competition/LeagueTable.h"

#include <QString>
#include <array>

// Tests won by each of a series' two places (0 and 1); draws and ties count for neither.
std::array<int, 2> seriesWins(const QList<PlayedMatch> &played);
// "England lead 2-1 with 2 to play", "Series level 1-1 with 3 to play", and once nothing is
// left to play "England win the series 3-1" or "Series drawn 2-2".
QString seriesScore(const std::array<QString, 2> &names, std::array<int, 2> wins, int toPlay);
