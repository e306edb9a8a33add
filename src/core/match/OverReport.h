// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Match;

// What the last over did, as the match recorded it while playing it: the face, who it was
// played against and what became of him, the breaks the clock passed and an innings' end.
struct OverReport
{
    enum class Kind
    {
        Runs,
        NotOut,
        Out
    };

    int number = 0; // overs bowled in its innings, this one included; 0 before any over
    int face = 0;
    QString batsman; // as the scorecard shows him
    Kind kind = Kind::Runs;
    int runs = 0;   // to the batsman
    int extras = 0; // of a turned-down appeal
    QString howOut;
    bool lunch = false;
    bool tea = false;
    int stumpsDay = 0; // the day that ended with this over, 0 when none did
    bool inningsClosed = false;
    QString team; // the batting side of the over's innings, and its score after it
    int total = 0;
    int wickets = 0;
};

// One line for the status bar: "Over 57: rolled 4, Marsh 4 runs", then any break
// (" · Lunch: Australia 120 for 3") and an innings' end (" · Australia all out for 220").
// Empty before the first over.
QString overLine(const OverReport &over);
