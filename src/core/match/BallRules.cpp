// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/BallRules.h"

#include <QCoreApplication>

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

Dismissal BallRules::dismissalFor(int k)
{
    switch (k) {
    case 5:
    case 6:
    case 7:
        return Dismissal::Bowled;
    case 8:
        return Dismissal::CaughtAndBowled;
    case 9:
        return Dismissal::Stumped;
    case 10:
    case 11:
        return Dismissal::CaughtBehind;
    default:
        return Dismissal::Caught;
    }
}

QString BallRules::dismissalCaption(Dismissal how)
{
    switch (how) {
    case Dismissal::Bowled:
        return QCoreApplication::translate("BallRules", "Bowled");
    case Dismissal::CaughtAndBowled:
        // Shown with one ampersand: our labels are plain text, not mnemonics.
        return QCoreApplication::translate("BallRules", "Caught & Bowled");
    case Dismissal::Stumped:
        return QCoreApplication::translate("BallRules", "Stumped");
    case Dismissal::CaughtBehind:
        return QCoreApplication::translate("BallRules", "Caught Behind");
    case Dismissal::Caught:
        return QCoreApplication::translate("BallRules", "Caught ");
    case Dismissal::NotOut:
        break;
    }
    return QCoreApplication::translate("BallRules", "Not Out");
}

int BallRules::minutesForBalls(int b)
{
    return b == 1 ? 1 : b <= 3 ? 2 : b <= 5 ? 3 : 4;
}
