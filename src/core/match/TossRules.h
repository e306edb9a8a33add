// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

class RandomSource;
struct Side;

// The toss without its window: the first side tosses, the second calls, and the winner's choice
// decides whether the two sides change places so that the first always bats first.
namespace TossRules {

enum class Call
{
    Heads,
    Tails
};
enum class Choice
{
    Bat,
    Bowl
};

constexpr int Heads = 1;
constexpr int Tails = 2;

// Reseeds and flips: 1 is heads, 2 is tails.
int flipCoin(RandomSource &random);

bool callerWon(Call call, int coinResult);

// Whether Team1 and Team2 must change places for the side batting first to be Team1.
bool exchangeNeeded(bool callerWon, Choice choice);

// Moves every field of both records, so colours and averages go with their side.
void applyChoice(std::array<Side, 2> &sides, bool callerWon, Choice choice);

QString tossText(const std::array<Side, 2> &sides);
QString resultText(const std::array<Side, 2> &sides, int coinResult, bool callerWon);

} // namespace TossRules
