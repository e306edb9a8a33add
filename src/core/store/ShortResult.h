// SPDX-FileCopyrightText: 2026 The Stumpwell authors
// SPDX-License-Identifier: MIT
#pragma once

#include "core/store/MatchStore.h"

// The result in a few words, for a list of matches: "Australia won by 314 runs", "Match
// tied", "Match drawn" from the verdict a finished match stored; a match not finished says
// where it stood after its `overs`: "In progress: day 3, 11:04a", "Abandoned: day 2, 2:44p".
QString shortResult(MatchStore::Status status, const QString &result, int overs);
