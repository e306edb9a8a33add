# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Fails when code under DIR plays an over on a match itself: every over goes through the
# session's one call, so that a match has one writer.
set(pattern "[.>]playOver\\(")
set(exclude "/core/(match/Match|session/MatchSession)\\.(h|cpp)$")
set(complaint "an over reaches a match only through MatchSession::submit or playEntry")
include(${CMAKE_CURRENT_LIST_DIR}/RefuseLines.cmake)
