// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/CareerLine.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

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
    return {QCoreApplication::translate("CareerLine", "Player"),
            QCoreApplication::translate("CareerLine", "Team"),
            QCoreApplication::translate("CareerLine", "Matches"),
            QCoreApplication::translate("CareerLine", "Innings"),
            QCoreApplication::translate("CareerLine", "Not Outs"),
            QCoreApplication::translate("CareerLine", "Runs"),
            QCoreApplication::translate("CareerLine", "Highest"),
            QCoreApplication::translate("CareerLine", "Average"),
            QCoreApplication::translate("CareerLine", "Balls"),
            QCoreApplication::translate("CareerLine", "Strike Rate"),
            QCoreApplication::translate("CareerLine", "100s"),
            QCoreApplication::translate("CareerLine", "50s"),
            QCoreApplication::translate("CareerLine", "Ducks"),
            QCoreApplication::translate("CareerLine", "Caught"),
            QCoreApplication::translate("CareerLine", "Bowled"),
            QCoreApplication::translate("CareerLine", "Caught Behind"),
            QCoreApplication::translate("CareerLine", "Caught & Bowled"),
            QCoreApplication::translate("CareerLine", "Stumped")};
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
