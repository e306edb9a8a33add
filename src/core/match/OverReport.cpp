// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/OverReport.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// What the over did, after "rolled n, ".
QString outcome(const OverReport &over)
{
    QString text;
    switch (over.kind) {
    case OverReport::Kind::Runs:
        if (over.runs == 0)
            text = QCoreApplication::translate("OverReport", "%1 no runs");
        else if (over.runs == 1)
            text = QCoreApplication::translate("OverReport", "%1 1 run");
        else
            text = QCoreApplication::translate("OverReport", "%1 %n runs", nullptr, over.runs);
        return text.arg(over.batsman);
    case OverReport::Kind::NotOut:
        if (over.extras == 0)
            text =
                QCoreApplication::translate("OverReport", "appeal against %1, not out, no extras");
        else if (over.extras == 1)
            text = QCoreApplication::translate("OverReport", "appeal against %1, not out, 1 extra");
        else
            text = QCoreApplication::translate(
                "OverReport", "appeal against %1, not out, %n extras", nullptr, over.extras);
        return text.arg(over.batsman);
    case OverReport::Kind::Out:
        break;
    }
    return QCoreApplication::translate("OverReport", "%1 out, %2").arg(over.batsman, over.howOut);
}

} // namespace

QString overLine(const OverReport &over)
{
    if (over.number == 0)
        return {};
    QString line = QCoreApplication::translate("OverReport", "Over %1: rolled %2, %3")
                       .arg(over.number)
                       .arg(over.face)
                       .arg(outcome(over));
    // Once the innings is over its end says the score; a break then needs none.
    const QString score = over.inningsClosed
                              ? QString()
                              : u": "_s + QCoreApplication::translate("OverReport", "%1 %2 for %3")
                                              .arg(over.team)
                                              .arg(over.total)
                                              .arg(over.wickets);
    if (over.lunch)
        line += u" \u00b7 "_s + QCoreApplication::translate("OverReport", "Lunch") + score;
    if (over.tea)
        line += u" \u00b7 "_s + QCoreApplication::translate("OverReport", "Tea") + score;
    if (over.stumpsDay > 0)
        line += u" \u00b7 "_s +
                QCoreApplication::translate("OverReport", "Stumps, day %1").arg(over.stumpsDay) +
                score;
    if (over.inningsClosed)
        line += u" \u00b7 "_s + QCoreApplication::translate("OverReport", "%1 all out for %2")
                                    .arg(over.team)
                                    .arg(over.total);
    return line;
}
