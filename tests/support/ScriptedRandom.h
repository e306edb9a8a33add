// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/RandomSource.h"

#include <QList>
#include <initializer_list>
#include <random>

// Plays back a fixed list of draws. Running out of script, or a value outside 1..n, fails the
// test loudly.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom(std::initializer_list<int> draws = {}) : m_script(draws) {}

    void push(std::initializer_list<int> draws) { m_script.append(QList<int>(draws)); }
    void push(int draw) { m_script.append(draw); }
    void reseed() override { ++m_reseeds; }
    int draw(int n) override;

    int remaining() const { return int(m_script.size()); }
    int reseeds() const { return m_reseeds; }
    // The n of every draw made so far, in order.
    const QList<int> &ranges() const { return m_ranges; }

private:
    QList<int> m_script;
    QList<int> m_ranges;
    int m_reseeds = 0;
};

// Draws from a seeded generator, so a long random test replays from the seed it prints.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed) : m_engine(seed) {}
    void reseed() override {}
    int draw(int n) override { return std::uniform_int_distribution<int>(1, n)(m_engine); }

private:
    std::mt19937 m_engine;
};

// The seed of a long random test: STUMPWELL_SEED when set (to replay a failure), else the
// given default; printed either way.
quint32 testSeed(quint32 fallback);
