// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The one source of chance in the game: the die, the appeal draws and the coin all go
// through it, so tests can script every draw.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Called before each group of draws; mixes the time of day into the state.
    virtual void reseed() = 0;
    // A whole number from 1 to n: the integer part of a uniform [0, 1) value times n, plus 1.
    virtual int draw(int n) = 0;
};

// SplitMix64 is tiny, fast and passes the usual statistical batteries; reseeding mixes the
// time of day into the running state instead of restarting it, so two rolls within the same
// clock tick still differ.
class TimeSeededRandom final : public RandomSource
{
public:
    TimeSeededRandom();
    void reseed() override;
    int draw(int n) override;
    void mix(quint64 value);

private:
    quint64 next();
    quint64 m_state = 0x9E3779B97F4A7C15ull;
};
