// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>

// How a finished match ended, in parts the store keeps as codes and numbers: every text about
// it is made from these, never read back from words.
struct MatchResult
{
    enum class Kind
    {
        None, // not finished
        Win,
        Tie,
        Draw
    };
    Kind kind = Kind::None;
    int winner = -1; // 0 the side that batted first, 1 the other; a win only
    int margin = 0;  // in runs, the only unit a margin has here; a win only

    bool operator==(const MatchResult &) const = default;
};

// From the aggregates (team 1 batted first) and whether time ran out.
MatchResult resultOf(bool timeUp, qint16 total1, qint16 total2);

// The verdict of the result window; empty for a match not finished.
QString resultText(const MatchResult &result, const std::array<QString, 2> &teams);

// The store's codes for the kind: "win", "tie", "draw", and "" for none.
QString resultKindCode(MatchResult::Kind kind);
MatchResult::Kind resultKindOf(const QString &code);
