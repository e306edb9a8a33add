// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/competition/RoundRobin.h"

#include <algorithm>
#include <numeric>
#include <vector>

QList<Pairing> roundRobin(int sides, int cycles)
{
    QList<Pairing> pairings;
    if (sides < 2)
        return pairings;
    // An odd number gets a blank place: whoever meets it rests that round.
    const int places = sides + sides % 2;
    const int rounds = places - 1;
    std::vector<int> circle(static_cast<std::size_t>(places));
    std::iota(circle.begin(), circle.end(), 0);
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (int round = 0; round < rounds; ++round) {
            for (int i = 0; i < places / 2; ++i) {
                int a = circle[std::size_t(i)];
                int b = circle[std::size_t(places - 1 - i)];
                if (a >= sides || b >= sides)
                    continue;
                // The fixed place would always toss; it takes turns with the others instead.
                if (i == 0 && round % 2 == 1)
                    std::swap(a, b);
                if (cycle == 1)
                    std::swap(a, b);
                pairings.append({cycle * rounds + round + 1, a, b});
            }
            // Everyone but the first place moves one on round the circle.
            std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
        }
    }
    return pairings;
}
