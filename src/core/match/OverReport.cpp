// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/OverReport.h"

using namespace Qt::StringLiterals;

namespace {

QString counted(int n, const QString &one, const QString &many)
{
    return n == 0 ? u"no "_s + many : QString::number(n) + u' ' + (n == 1 ? one : many);
}

} // namespace

QString overLine(const OverReport &over)
{
    if (over.number == 0)
        return {};
    QString line = u"Over %1: rolled %2, "_s.arg(over.number).arg(over.face);
    switch (over.kind) {
    case OverReport::Kind::Runs:
        line += over.batsman + u' ' + counted(over.runs, u"run"_s, u"runs"_s);
        break;
    case OverReport::Kind::NotOut:
        line += u"appeal against %1, not out, "_s.arg(over.batsman) +
                counted(over.extras, u"extra"_s, u"extras"_s);
        break;
    case OverReport::Kind::Out:
        line += u"%1 out, %2"_s.arg(over.batsman, over.howOut);
        break;
    }
    // Once the innings is over its end says the score; a break then needs none.
    const QString score =
        over.inningsClosed ? QString()
                           : u": %1 %2 for %3"_s.arg(over.team).arg(over.total).arg(over.wickets);
    if (over.lunch)
        line += u" \u00b7 Lunch"_s + score;
    if (over.tea)
        line += u" \u00b7 Tea"_s + score;
    if (over.stumpsDay > 0)
        line += u" \u00b7 Stumps, day %1"_s.arg(over.stumpsDay) + score;
    if (over.inningsClosed)
        line += u" \u00b7 %1 all out for %2"_s.arg(over.team).arg(over.total);
    return line;
}
