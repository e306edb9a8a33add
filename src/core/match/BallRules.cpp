// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/BallRules.h"

int BallRules::extrasForDraw(int r)
{
    if (r <= 3)
        return 0;
    if (r <= 11)
        return 1;
    if (r <= 14)
        return 2;
    if (r == 15)
        return 3;
    if (r == 16)
        return 4;
    return 1;
}

QString BallRules::dismissalCaption(int k)
{
    switch (k) {
    case 5:
    case 6:
    case 7:
        return QStringLiteral("Bowled");
    case 8:
        // Shown with one ampersand: our labels are plain text, not mnemonics.
        return QStringLiteral("Caught & Bowled");
    case 9:
        return QStringLiteral("Stumped");
    case 10:
    case 11:
        return QStringLiteral("Caught Behind");
    default:
        return QStringLiteral("Caught ");
    }
}

int BallRules::minutesForBalls(int b)
{
    return b == 1 ? 1 : b <= 3 ? 2 : b <= 5 ? 3 : 4;
}
