// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/RandomSource.h"
#include "core/match/Match.h"
#include "core/match/MatchLog.h"

#include <vector>

class MatchStore;

// A stored match watched again: its log read once, and a match of its own that stands after
// any over of it. Nothing is written back; the match being played is another.
class MatchReplay
{
public:
    // Reads and replays the stored match, standing after its last over saved. Why it cannot,
    // or an empty text.
    QString load(MatchStore &store, qint64 id);

    Match &match() { return m_match; }
    // The overs saved; over() runs from 0 (after the toss) to overs().
    int overs() const { return m_log.overs(); }
    int over() const { return m_over; }
    // The match as it stood when over `over` had just been played, without a signal.
    void seek(int over);

private:
    MatchLog m_log;
    std::vector<std::size_t> m_drawsBefore; // draws of the overs before each over
    Match m_match;
    TimeSeededRandom m_unused;
    int m_over = 0;
};

// "Over k of N · day d, time · <innings in play> <score>"
QString replayPosition(const Match &match, int over, int overs);
