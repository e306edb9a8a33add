// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/common/RandomSource.h"

#include <QCoreApplication>
#include <QDateTime>

TimeSeededRandom::TimeSeededRandom()
{
    mix(quint64(QDateTime::currentMSecsSinceEpoch()));
}

void TimeSeededRandom::reseed()
{
    // The time of day in UTC: looking up the local zone would cost more than the whole over.
    mix(quint64(QDateTime::currentMSecsSinceEpoch() % (24 * 60 * 60 * 1000)));
}

void TimeSeededRandom::mix(quint64 value)
{
    m_state ^= value * 0xD1B54A32D192ED03ull;
    next();
}

quint64 TimeSeededRandom::next()
{
    quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int TimeSeededRandom::draw(int n)
{
    // 53 random bits give a uniform double in [0, 1).
    const double unit = double(next() >> 11) * (1.0 / 9007199254740992.0);
    return int(unit * n) + 1;
}

int RecordingRandom::draw(int n)
{
    const int value = m_source.draw(n);
    m_draws.push_back(quint8(value));
    return value;
}

int ReplayRandom::draw(int n)
{
    if (!m_error.isEmpty())
        return 1;
    if (m_next == m_end) {
        m_error = QCoreApplication::translate(
                      "RandomSource", "a draw from 1 to %1 was asked for but none was recorded")
                      .arg(n);
        return 1;
    }
    const int value = *m_next++;
    if (value < 1 || value > n) {
        m_error =
            QCoreApplication::translate("RandomSource", "a recorded draw of %1 is outside 1 to %2")
                .arg(value)
                .arg(n);
        return 1;
    }
    return value;
}
