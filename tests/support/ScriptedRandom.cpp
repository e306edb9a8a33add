// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "ScriptedRandom.h"

#include "state/Globals.h"

#include <QtGlobal>

ScriptedRandom::ScriptedRandom(std::initializer_list<int> draws) : m_script(draws)
{
    Globals::setRandom(this);
}

ScriptedRandom::~ScriptedRandom()
{
    Globals::setRandom(nullptr);
}

void ScriptedRandom::push(std::initializer_list<int> draws)
{
    m_script.append(QList<int>(draws));
}

void ScriptedRandom::push(int draw)
{
    m_script.append(draw);
}

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
