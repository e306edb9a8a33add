// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/store/ShortResult.h"

#include "core/match/ClockModel.h"

#include <QCoreApplication>

QString shortResult(MatchStore::Status status, const MatchResult &result,
                    const std::array<QString, 2> &teams, int overs)
{
    const ClockModel clock = clockAfter(overs);
    switch (status) {
    case MatchStore::Status::InProgress:
        return QCoreApplication::translate("ShortResult", "In progress: day %1, %2")
            .arg(clock.day)
            .arg(clock.timeCaption());
    case MatchStore::Status::Abandoned:
        return QCoreApplication::translate("ShortResult", "Abandoned: day %1, %2")
            .arg(clock.day)
            .arg(clock.timeCaption());
    case MatchStore::Status::Damaged:
    case MatchStore::Status::Finished:
        break;
    }
    switch (result.kind) {
    case MatchResult::Kind::Draw:
        return QCoreApplication::translate("ShortResult", "Match drawn");
    case MatchResult::Kind::Tie:
        return QCoreApplication::translate("ShortResult", "Match tied");
    case MatchResult::Kind::Win: {
        const QString winner = teams[std::size_t(result.winner == 1)];
        return result.margin == 1
                   ? QCoreApplication::translate("ShortResult", "%1 won by 1 run").arg(winner)
                   : QCoreApplication::translate("ShortResult", "%1 won by %n runs", nullptr,
                                                 result.margin)
                         .arg(winner);
    }
    case MatchResult::Kind::None:
        break;
    }
    return {};
}

QString statusCaption(MatchStore::Status status)
{
    switch (status) {
    case MatchStore::Status::Finished:
        return QCoreApplication::translate("ShortResult", "finished");
    case MatchStore::Status::Abandoned:
        return QCoreApplication::translate("ShortResult", "abandoned");
    case MatchStore::Status::Damaged:
        return QCoreApplication::translate("ShortResult", "damaged");
    case MatchStore::Status::InProgress:
        break;
    }
    return QCoreApplication::translate("ShortResult", "in progress");
}
