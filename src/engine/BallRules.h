// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

class MatchHost;

// The over: one die face decides six balls and four minutes of play.
namespace BallRules {
// The change handler of a scorecard's box: plays the over of the face in text, and on the pass
// with an empty box ends the innings or the match when their time has come.
void txtRollChange(MatchHost &host, int window, QStringView text);
// The ROLL button: one throw of the die, as the text that goes into the box.
QString rollDie();

// Extras of a not-out appeal for the draw r (1..20).
int extrasForDraw(int r);
// How out, for the dismissal draw k (1..12), as the scorecard shows it.
QString dismissalCaption(int k);
// Minutes of the over the dismissed batsman batted, for the b balls (1..6) he faced.
int minutesForBalls(int b);
} // namespace BallRules
