// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/CareerLine.h"

using namespace Qt::StringLiterals;

Dismissal dismissalOf(const QString &howOut)
{
    const QString kind = howOut.trimmed();
    if (kind == u"Caught"_s)
        return Dismissal::Caught;
    if (kind == u"Bowled"_s)
        return Dismissal::Bowled;
    if (kind == u"Caught Behind"_s)
        return Dismissal::CaughtBehind;
    if (kind == u"Caught & Bowled"_s)
        return Dismissal::CaughtAndBowled;
    if (kind == u"Stumped"_s)
        return Dismissal::Stumped;
    return Dismissal::NotOut;
}

QString CareerLine::highestText() const
{
    return QString::number(highest) + (highestNotOut ? u"*"_s : QString());
}

QString CareerLine::averageText() const
{
    return outs() > 0 ? QString::number(double(runs) / outs(), 'f', 2) : u"-"_s;
}

QString CareerLine::strikeRateText() const
{
    return balls > 0 ? QString::number(100.0 * runs / balls, 'f', 1) : u"-"_s;
}

QStringList careerHeadings()
{
    return {u"Player"_s,          u"Team"_s,        u"Matches"_s, u"Innings"_s,
            u"Not Outs"_s,        u"Runs"_s,        u"Highest"_s, u"Average"_s,
            u"Balls"_s,           u"Strike Rate"_s, u"100s"_s,    u"50s"_s,
            u"Ducks"_s,           u"Caught"_s,      u"Bowled"_s,  u"Caught Behind"_s,
            u"Caught & Bowled"_s, u"Stumped"_s};
}

QStringList careerCells(const CareerLine &line)
{
    QStringList cells{line.name,
                      line.team,
                      QString::number(line.matches),
                      QString::number(line.innings),
                      QString::number(line.notOuts),
                      QString::number(line.runs),
                      line.highestText(),
                      line.averageText(),
                      QString::number(line.balls),
                      line.strikeRateText(),
                      QString::number(line.hundreds),
                      QString::number(line.fifties),
                      QString::number(line.ducks)};
    for (int count : line.dismissals)
        cells << QString::number(count);
    return cells;
}
