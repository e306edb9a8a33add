// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct MatchState;

// The toss without its window: Team1 tosses, Team2 calls, and the winner's choice decides
// whether the two records change places so that Team1 always bats first.
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
int flipCoin();

bool callerWon(Call call, int coinResult);

// Whether Team1 and Team2 must change places for the side batting first to be Team1.
bool exchangeNeeded(bool callerWon, Choice choice);

// Moves every field of both records, so colours and averages go with their side.
void applyChoice(MatchState &state, bool callerWon, Choice choice);

QString tossText(const MatchState &state);
QString resultText(const MatchState &state, int coinResult, bool callerWon);

} // namespace TossRules
