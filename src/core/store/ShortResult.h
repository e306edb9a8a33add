// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/MatchStore.h"

// The result in a few words, for a list of matches: "Australia won by 314 runs", "Match
// tied", "Match drawn" from the parts a finished match stored (`teams` the first batting
// first); a match not finished says where it stood after its `overs`: "In progress: day 3,
// 11:04a", "Abandoned: day 2, 2:44p".
QString shortResult(MatchStore::Status status, const MatchResult &result,
                    const std::array<QString, 2> &teams, int overs);

// "in progress", "finished", "abandoned", "damaged": a status as a list shows it.
QString statusCaption(MatchStore::Status status);
