// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Match;

// A match's scorecards to share: every innings opened, the match summary, the result and the
// highlights, with the figures the windows show. `state` stands in for the result while the
// match is not over ("Abandoned", "In progress: day 2, 11:20a").
QString scorecardText(const Match &match, const QString &state);
// One self-contained page: styles inline, no external file, narrow enough for a phone.
QString scorecardHtml(const Match &match, const QString &state);
// Text for a page: trimmed, with HTML's special characters escaped.
QString htmlText(const QString &text);
// A self-contained page's head, its style and its heading; the caller ends it.
QString htmlPageStart(const QString &title);
// "England v Australia"
QString scorecardTitle(const Match &match);
// What stands in for the result of a match not over: how far it got, and whether it was
// given up.
QString scorecardState(const Match &match, bool abandoned);
