// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/ResultText.h"

#include "core/common/CaptionNumbers.h"

QString resultText(bool timeUp, qint16 total1, qint16 total2, const QString &team1,
                   const QString &team2)
{
    if (timeUp) {
        return QStringLiteral("The time allowed for this match has expired; the innings were not "
                              "completed and the match has been declared a draw");
    }
    if (total1 == total2)
        return QStringLiteral("This test match has been tied!");
    const bool first = total1 > total2;
    const int margin = first ? total1 - total2 : total2 - total1;
    // The margin keeps the blank of its sign: two blanks after "by".
    return QStringLiteral("I declare the winner of this test match, by ") + signedNumber(margin) +
           QStringLiteral(" runs : ") + (first ? team1 : team2);
}
