// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#include "core/match/ClockModel.h"

#include "core/match/MatchState.h"

QString ClockModel::timeCaption() const
{
    return QString::number(hour) + QLatin1Char(':') +
           QString::number(minute).rightJustified(2, u'0') +
           QLatin1Char(hour == 10 || hour == 11 ? 'a' : 'p');
}

void AdvanceClock(MatchState &state, ClockModel &clock)
{
    int hour = state.ClockHour;
    int minute = state.ClockMinute + 4;
    if (minute > 59) {
        ++hour;
        minute -= 60;
    }
    if (hour > 12)
        hour = 1;
    if (hour == 12 && minute == 0)
        minute = 40; // lunch
    if (hour == 2 && minute == 40) {
        hour = 3; // tea
        minute = 0;
    }
    clock.overs += 1;
    clock.oversRemaining = 90 - clock.overs;
    if (clock.overs == 90) {
        clock.day += 1;
        clock.overs = 0;
        clock.oversRemaining = 90;
        hour = 10;
        minute = 0;
    }
    state.ClockHour = quint8(hour);
    state.ClockMinute = quint8(minute);
    clock.hour = hour;
    clock.minute = minute;
    clock.session = clock.overs <= 30 ? 1 : clock.overs <= 60 ? 2 : 3;
    if (clock.day == 6)
        state.TimeUp = true;
}

ClockModel clockAfter(int overs)
{
    MatchState state;
    state.ClockHour = 10;
    ClockModel clock;
    for (int over = 0; over < overs && !state.TimeUp; ++over)
        AdvanceClock(state, clock);
    return clock;
}
