// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/MatchMode.h"

QString modeText(MatchMode mode)
{
    switch (mode) {
    case MatchMode::HumanVCpu:
        return QStringLiteral("Human v CPU");
    case MatchMode::CpuVCpu:
        return QStringLiteral("CPU v CPU");
    case MatchMode::Network:
        return QStringLiteral("Network");
    case MatchMode::HumanVHuman:
        break;
    }
    return QStringLiteral("Human v Human");
}

MatchMode modeFromText(const QString &text)
{
    for (auto mode : {MatchMode::HumanVCpu, MatchMode::CpuVCpu, MatchMode::Network}) {
        if (text == modeText(mode))
            return mode;
    }
    return MatchMode::HumanVHuman;
}

std::array<bool, 2> computerSides(MatchMode mode, int userSide)
{
    switch (mode) {
    case MatchMode::HumanVCpu:
        return {userSide != 0, userSide != 1};
    case MatchMode::CpuVCpu:
        return {true, true};
    case MatchMode::Network:
    case MatchMode::HumanVHuman:
        break;
    }
    return {false, false};
}
