// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

// One match of a league's fixture list: the round it belongs to (from 1) and the places of its
// two sides, the first of whom tosses.
struct Pairing
{
    int round = 0;
    int a = 0;
    int b = 0;
};

// Every side meets every other once per cycle (`cycles` 1 or 2; the second with the places
// swapped), by the circle method: no side plays twice in a round, and with an odd number of
// sides one rests each round. In playing order.
QList<Pairing> roundRobin(int sides, int cycles);
