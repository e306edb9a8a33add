// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "common/RandomSource.h"
#include "state/Globals.h"

#include <random>

// Draws from a fixed seed and ignores the time of day, so that a long run driven by a seed (the
// monkey test) plays the same matches again; installs itself as the game's random source for
// its lifetime.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed) : m_engine(seed) { Globals::setRandom(this); }
    ~SeededRandom() override { Globals::setRandom(nullptr); }
    SeededRandom(const SeededRandom &) = delete;
    SeededRandom &operator=(const SeededRandom &) = delete;

    void reseed() override {}
    int draw(int n) override
    {
        // The game's rule: the integer part of a uniform [0, 1) value times n, plus 1.
        const double unit = double(m_engine() >> 11) * (1.0 / 9007199254740992.0);
        return int(unit * n) + 1;
    }

private:
    std::mt19937_64 m_engine;
};
