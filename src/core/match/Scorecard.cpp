// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/Scorecard.h"

#include "core/match/Match.h"

using namespace Qt::StringLiterals;

QString scorecardTitle(const Match &match)
{
    return match.summary().team1.trimmed() + u" v "_s + match.summary().team2.trimmed();
}

QString scorecardState(const Match &match, bool abandoned)
{
    return (abandoned ? u"Match abandoned on day %1 at %2."_s : u"Match in progress: day %1, %2."_s)
        .arg(match.clock().day)
        .arg(match.clock().timeCaption());
}
