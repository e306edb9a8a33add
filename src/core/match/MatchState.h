// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/FixedText.h"

#include <QtGlobal>
#include <array>

// A player's name as the scorecard shows it.
using PlayerSlot = FixedText<20>;

struct TeamRecord
{
    FixedText<80> Name;
    quint32 CreaseColour = 0; // colours are 0x00BBGGRR
    quint32 OutColour = 0;
    quint32 BackColour = 0;
    quint32 WaitingColour = 0;
    std::array<PlayerSlot, 12> Players{}; // batting order 1..11; 0 unused
    std::array<quint8, 12> BatAverage{};  // same index as Players

    bool operator==(const TeamRecord &) const = default;
};

// Partnerships and falls of wicket of one innings; index 0 is the base, never written.
struct BattingCard
{
    std::array<FixedText<80>, 11> Pair{};
    std::array<qint16, 11> FOW{};

    bool operator==(const BattingCard &) const = default;
};

// The match record: who is in, the running clock, the partnerships of each innings and the two
// teams. Match owns it; views read it.
struct MatchState
{
    quint8 Striker = 0;
    quint8 BatsmanA = 0;
    quint8 BatsmanB = 0;
    quint8 WicketsDown = 0;
    quint8 CurrentInnings = 0; // 1..4 in play, 5 after the fourth innings, 0 before any match
    bool TimeUp = false;
    quint8 ClockHour = 0;
    quint8 ClockMinute = 0;
    std::array<BattingCard, 5> Cards{}; // by innings; 0 unused
    TeamRecord Team1;                   // bats in innings 1 and 3
    TeamRecord Team2;                   // bats in innings 2 and 4

    // The side batting in innings 1..4.
    TeamRecord &battingSide() { return CurrentInnings % 2 == 1 ? Team1 : Team2; }
    const TeamRecord &battingSide() const { return CurrentInnings % 2 == 1 ? Team1 : Team2; }

    bool operator==(const MatchState &) const = default;
};
