// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "shell/TossRules.h"

#include "common/RandomSource.h"
#include "state/Globals.h"
#include "state/MatchState.h"

#include <utility>

namespace TossRules {

int flipCoin()
{
    RandomSource &random = Globals::random();
    random.reseed();
    return random.draw(2);
}

bool callerWon(Call call, int coinResult)
{
    return (call == Call::Heads && coinResult == Heads) ||
           (call == Call::Tails && coinResult == Tails);
}

bool exchangeNeeded(bool callerWon, Choice choice)
{
    // The caller is held in Team2: it must move up when it bats first, and the tosser must
    // move down when it bowls first.
    return choice == Choice::Bat ? callerWon : !callerWon;
}

void applyChoice(MatchState &state, bool callerWon, Choice choice)
{
    if (exchangeNeeded(callerWon, choice))
        std::swap(state.Team1, state.Team2);
}

QString tossText(const MatchState &state)
{
    return state.Team1.Name.trimmed() + QStringLiteral(" will toss the coin, ") +
           state.Team2.Name.trimmed() + QStringLiteral(" will call!");
}

QString resultText(const MatchState &state, int coinResult, bool callerWon)
{
    const TeamRecord &winner = callerWon ? state.Team2 : state.Team1;
    const QString coin = coinResult == Heads ? QStringLiteral("The result was heads. ")
                                             : QStringLiteral("The result was tails. ");
    return coin + winner.Name.trimmed() +
           QStringLiteral(" has won the toss.  Would you like to bat or bowl first?");
}

} // namespace TossRules
