// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/AppealDecision.h"

#include "core/common/RandomSource.h"

#include <array>

int appealOutLimit(int average)
{
    static constexpr std::array<int, 6> limits{10, 9, 7, 5, 4, 3};
    int band = 0;
    for (int threshold = 10; threshold <= 50; threshold += 10) {
        if (average >= threshold)
            ++band;
    }
    return limits[std::size_t(band)];
}

bool AppealDecision(int average, RandomSource &random)
{
    random.reseed();
    const int r = random.draw(10);
    return r <= appealOutLimit(average);
}
