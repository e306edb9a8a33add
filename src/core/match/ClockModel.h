// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The figures of the state-of-play window, starting from its design-time captions.
struct ClockModel
{
    int day = 1;
    int hour = 10; // the time as last shown; the running clock is in MatchState
    int minute = 0;
    int overs = 0;
    int oversRemaining = 90;
    int session = 1;

    // "10:04a", "12:40p": morning is 10 and 11 o'clock only, since play starts at 10.
    QString timeCaption() const;

    bool operator==(const ClockModel &) const = default;
};

struct MatchState;

// One over of match time: four minutes, lunch and tea, the day's overs and session, and time up
// once the fifth day is over.
void AdvanceClock(MatchState &state, ClockModel &clock);
// The clock after `overs` overs of a match, as playing them leaves it.
ClockModel clockAfter(int overs);
