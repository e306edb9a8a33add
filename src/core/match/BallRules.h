// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// How a batsman was out; the match store keeps these numbers.
enum class Dismissal
{
    NotOut,
    Caught,
    Bowled,
    CaughtBehind,
    CaughtAndBowled,
    Stumped
};

// The tables of the over: what each draw means.
namespace BallRules {
// Extras of a not-out appeal for the draw r (1..20).
int extrasForDraw(int r);
// How out, for the dismissal draw k (1..12).
Dismissal dismissalFor(int k);
// As the scorecard shows it.
QString dismissalCaption(Dismissal how);
// Minutes of the over the dismissed batsman batted, for the b balls (1..6) he faced.
int minutesForBalls(int b);
} // namespace BallRules
