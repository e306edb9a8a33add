// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/SeriesScore.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

std::array<int, 2> seriesWins(const QList<PlayedMatch> &played)
{
    std::array<int, 2> wins{};
    for (const PlayedMatch &match : played) {
        for (int place : {0, 1}) {
            if (outcomeFor(match, place) == Outcome::Won)
                ++wins[std::size_t(place)];
        }
    }
    return wins;
}

QString seriesScore(const std::array<QString, 2> &names, std::array<int, 2> wins, int toPlay)
{
    const std::size_t leader = wins[1] > wins[0] ? 1 : 0;
    const QString score = u"%1-%2"_s.arg(wins[leader]).arg(wins[1 - leader]);
    if (wins[0] == wins[1])
        return toPlay > 0
                   ? QCoreApplication::translate("SeriesScore", "Series level %1 with %2 to play")
                         .arg(score, QString::number(toPlay))
                   : QCoreApplication::translate("SeriesScore", "Series drawn %1").arg(score);
    return toPlay > 0 ? QCoreApplication::translate("SeriesScore", "%1 lead %2 with %3 to play")
                            .arg(names[leader], score, QString::number(toPlay))
                      : QCoreApplication::translate("SeriesScore", "%1 win the series %2")
                            .arg(names[leader], score);
}
