// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>

// The six running scores of the match summary: the innings 1..4 (element 0 unused) and the two
// aggregates, team 1 (innings 1 and 3) and team 2 (innings 2 and 4).
struct SummaryModel
{
    QString team1;
    QString team2;
    std::array<int, 5> innings{};
    int total1 = 0;
    int total2 = 0;

    // Adds runs to the innings and to the batting side's aggregate.
    void add(int inningsNumber, int runs);

    bool operator==(const SummaryModel &) const = default;
};
