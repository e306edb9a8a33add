// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "common/RandomSource.h"

#include <QList>
#include <initializer_list>

// Plays back a fixed list of draws; installs itself as the game's random source for its
// lifetime. Running out of script, or a value outside 1..n, fails the test loudly.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom(std::initializer_list<int> draws = {});
    ~ScriptedRandom() override;

    void push(std::initializer_list<int> draws);
    void push(int draw);
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
