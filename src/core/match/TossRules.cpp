// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/TossRules.h"

#include "core/common/RandomSource.h"
#include "core/match/MatchLog.h"

#include <QCoreApplication>
#include <utility>

namespace TossRules {

int flipCoin(RandomSource &random)
{
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

bool exchanged(const TossRecord &toss)
{
    return exchangeNeeded(callerWon(toss.call, toss.coin), toss.choice);
}

void applyToss(std::array<Side, 2> &sides, const TossRecord &toss)
{
    if (exchanged(toss))
        std::swap(sides[0], sides[1]);
}

QString tossText(const std::array<Side, 2> &sides)
{
    return QCoreApplication::translate("TossRules", "%1 will toss the coin, %2 will call!")
        .arg(sides[0].team.Name.trimmed(), sides[1].team.Name.trimmed());
}

QString resultText(const std::array<Side, 2> &sides, int coinResult, bool callerWon)
{
    const TeamRecord &winner = (callerWon ? sides[1] : sides[0]).team;
    return (coinResult == Heads
                ? QCoreApplication::translate("TossRules",
                                              "The result was heads. %1 has won the toss.  "
                                              "Would you like to bat or bowl first?")
                : QCoreApplication::translate("TossRules",
                                              "The result was tails. %1 has won the toss.  "
                                              "Would you like to bat or bowl first?"))
        .arg(winner.Name.trimmed());
}

} // namespace TossRules
