// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ScriptedRandom.h"

#include <QtGlobal>

int ScriptedRandom::draw(int n)
{
    if (m_script.isEmpty())
        qFatal("ScriptedRandom: a draw from 1 to %d was made but the script is empty", n);
    const int value = m_script.takeFirst();
    if (value < 1 || value > n)
        qFatal("ScriptedRandom: scripted %d for a draw from 1 to %d", value, n);
    m_ranges.append(n);
    return value;
}

quint32 testSeed(quint32 fallback)
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("STUMPWELL_SEED").toUInt(&ok);
    const quint32 used = ok ? seed : fallback;
    qInfo("seed %u (set STUMPWELL_SEED to replay)", used);
    return used;
}
