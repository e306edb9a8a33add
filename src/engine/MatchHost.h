// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

struct ClockModel;
struct InningsModel;
struct SummaryModel;

// What the over needs from the match windows: their figures, and the few window actions the
// rules trigger. The windows implement it for play; a headless match implements it for whole
// matches played by the rules alone.
class MatchHost
{
public:
    virtual ~MatchHost() = default;
    // The scorecard of innings 1..4, created and set up on first use.
    virtual InningsModel &innings(int number) = 0;
    virtual SummaryModel &summary() = 0;
    virtual ClockModel &clock() = 0;
    virtual void addHighlight(const QString &line) = 0;
    // Opens the result window, or brings the one already open to the front.
    virtual void openResult() = 0;
    // Shows a new scorecard where the first innings' scorecard stands, on top.
    virtual void showInnings(int number) = 0;
    // Empties the box of a scorecard; when it held text this plays the change handler again
    // at once, with the empty box.
    virtual void clearRoll(int number) = 0;
};
