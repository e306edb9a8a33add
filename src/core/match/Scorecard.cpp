// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/Scorecard.h"

#include "core/match/Match.h"

#include <QCoreApplication>

QString scorecardTitle(const Match &match)
{
    return QCoreApplication::translate("Scorecard", "%1 v %2")
        .arg(match.summary().team1.trimmed(), match.summary().team2.trimmed());
}

QString scorecardState(const Match &match, bool abandoned)
{
    return (abandoned ? QCoreApplication::translate("Scorecard", "Match abandoned on day %1 at %2.")
                      : QCoreApplication::translate("Scorecard", "Match in progress: day %1, %2."))
        .arg(match.clock().day)
        .arg(match.clock().timeCaption());
}
