// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>

// Who plays a match: two people, a person against the computer, the computer both sides, or
// two people at two computers.
enum class MatchMode
{
    HumanVHuman,
    HumanVCpu,
    CpuVCpu,
    Network
};

// As the menus and the history name it: "Human v CPU".
QString modeText(MatchMode mode);
// As the match store keeps it: "human-cpu". A code the store does not know reads as two
// people: nothing then plays by itself.
QString modeCode(MatchMode mode);
MatchMode modeOfCode(const QString &code);

// Which of the two sides the computer bats for (index as in MatchSetup::sides, the first
// batting first); `userSide` counts only in Human v CPU.
std::array<bool, 2> computerSides(MatchMode mode, int userSide);
