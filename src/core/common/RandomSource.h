// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// The one source of chance in the game: the die, the appeal draws and the coin all go
// through it, so tests can script every draw and a match can be replayed from its draws.
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

// Passes every draw through from another source and appends it to a list, so the match can
// be played again without the clock that seeded it.
class RecordingRandom final : public RandomSource
{
public:
    RecordingRandom(RandomSource &source, std::vector<quint8> &draws)
        : m_source(source), m_draws(draws)
    {}
    void reseed() override { m_source.reseed(); }
    int draw(int n) override;

private:
    RandomSource &m_source;
    std::vector<quint8> &m_draws;
};

// Gives back recorded draws in order. A recording that runs out, or holds a value outside
// 1..n for the draw asked, is damaged: the source then answers 1, never reads past its end,
// and keeps the first problem for the caller to report.
class ReplayRandom final : public RandomSource
{
public:
    ReplayRandom(const quint8 *begin, const quint8 *end) : m_next(begin), m_end(end) {}
    void reseed() override {}
    int draw(int n) override;

    bool exhausted() const { return m_next == m_end; }
    const QString &error() const { return m_error; }

private:
    const quint8 *m_next;
    const quint8 *m_end;
    QString m_error;
};
