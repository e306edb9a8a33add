// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

class RandomSource;
struct Side;
struct TossRecord;

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
// The same for a toss made: the one rule of who bats first.
bool exchanged(const TossRecord &toss);

// Puts the sides in the toss's order, moving every field of both records, so colours and
// averages go with their side.
void applyToss(std::array<Side, 2> &sides, const TossRecord &toss);

// Which of the sides in the toss's order bats in innings 1 to 4: 0 in the first and third.
constexpr std::size_t battingSide(int innings)
{
    return innings % 2 == 1 ? 0 : 1;
}

QString tossText(const std::array<Side, 2> &sides);
QString resultText(const std::array<Side, 2> &sides, int coinResult, bool callerWon);

} // namespace TossRules
