// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Match;

// "England v Australia"
QString scorecardTitle(const Match &match);
// What stands in for the result of a match not over: how far it got, and whether it was
// given up.
QString scorecardState(const Match &match, bool abandoned);
