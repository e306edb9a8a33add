// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/match/BallRules.h"

#include <QString>
#include <array>
#include <optional>

struct MatchState;

// One batsman's line of the scorecard. A figure without a value shows an empty caption, as the
// lines of batsmen not yet in do.
struct BattingLine
{
    QString name;
    QString howOut;
    Dismissal how = Dismissal::NotOut;
    std::optional<int> runs;
    std::optional<int> balls;
    std::optional<int> mins; // the caption
    int minsTag = 0;         // the running minutes the caption is made from
    QString fow;
    quint32 nameColour = 0;
    quint32 howOutColour = 0;
    quint32 runsColour = 0;
    quint32 ballsColour = 0;
    quint32 minsColour = 0;
    quint32 fowColour = 0;

    static int add(std::optional<int> &figure, int n) { return *(figure = figure.value_or(0) + n); }
    void showMinutes() { mins = minsTag; }

    bool operator==(const BattingLine &) const = default;
};

// The figures of one innings scorecard, from its design-time captions onwards.
struct InningsModel
{
    InningsModel();

    QString caption;
    quint32 backColour;
    quint32 headingColour;
    quint32 totalLineColour;
    std::array<BattingLine, 11> lines; // line i is batsman i + 1
    int extras = 0;
    int total = 0;
    int wicketsShown = 0; // the number in the total line
    int markerLine = 0;   // the line the facing marker stands beside
    bool rollEnabled = true;

    QString totalLineCaption() const;
    // The line of batsman number n, or nullptr for the twelfth man who never exists.
    BattingLine *batsman(int n);

    bool operator==(const InningsModel &) const = default;
};

// The window's setup for the innings in CurrentInnings: batting fields reset, names, colours and
// caption from the batting side.
void setupInnings(MatchState &state, InningsModel &model);
