// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/MatchMode.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

QString modeText(MatchMode mode)
{
    switch (mode) {
    case MatchMode::HumanVCpu:
        return QCoreApplication::translate("MatchMode", "Human v CPU");
    case MatchMode::CpuVCpu:
        return QCoreApplication::translate("MatchMode", "CPU v CPU");
    case MatchMode::Network:
        return QCoreApplication::translate("MatchMode", "Network");
    case MatchMode::HumanVHuman:
        break;
    }
    return QCoreApplication::translate("MatchMode", "Human v Human");
}

QString modeCode(MatchMode mode)
{
    switch (mode) {
    case MatchMode::HumanVCpu:
        return u"human-cpu"_s;
    case MatchMode::CpuVCpu:
        return u"cpu-cpu"_s;
    case MatchMode::Network:
        return u"network"_s;
    case MatchMode::HumanVHuman:
        break;
    }
    return u"human-human"_s;
}

MatchMode modeOfCode(const QString &code)
{
    for (auto mode : {MatchMode::HumanVCpu, MatchMode::CpuVCpu, MatchMode::Network}) {
        if (code == modeCode(mode))
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
