// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/RandomSource.h"

#include <QList>
#include <random>

// Plays back a fixed list of draws; running out of script, or a value outside 1..n, fails the
// test loudly.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom(std::initializer_list<int> draws = {}) : m_script(draws) {}
    void push(std::initializer_list<int> draws) { m_script.append(QList<int>(draws)); }
    void push(int draw) { m_script.append(draw); }
    int remaining() const { return int(m_script.size()); }
    void reseed() override {}
    int draw(int n) override
    {
        if (m_script.isEmpty())
            qFatal("ScriptedRandom: a draw from 1 to %d was made but the script is empty", n);
        const int value = m_script.takeFirst();
        if (value < 1 || value > n)
            qFatal("ScriptedRandom: scripted %d for a draw from 1 to %d", value, n);
        m_ranges.append(n);
        return value;
    }
    const QList<int> &ranges() const { return m_ranges; } // the n of every draw so far

private:
    QList<int> m_script;
    QList<int> m_ranges;
};

// Draws from a seeded generator, so a random test replays from the seed it prints.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed) : m_engine(seed) {}
    void reseed() override {}
    int draw(int n) override { return std::uniform_int_distribution<int>(1, n)(m_engine); }

private:
    std::mt19937 m_engine;
};

// STUMPWELL_SEED when set (to replay a failure), else the default; printed either way.
inline quint32 testSeed(quint32 fallback)
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("STUMPWELL_SEED").toUInt(&ok);
    qInfo("seed %u (set STUMPWELL_SEED to replay)", ok ? seed : fallback);
    return ok ? seed : fallback;
}
