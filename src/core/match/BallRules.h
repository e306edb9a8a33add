// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The tables of the over: what each draw means.
namespace BallRules {
// Extras of a not-out appeal for the draw r (1..20).
int extrasForDraw(int r);
// How out, for the dismissal draw k (1..12), as the scorecard shows it.
QString dismissalCaption(int k);
// Minutes of the over the dismissed batsman batted, for the b balls (1..6) he faced.
int minutesForBalls(int b);
} // namespace BallRules
