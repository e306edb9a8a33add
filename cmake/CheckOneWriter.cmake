# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Fails when code under DIR plays an over on a match itself: every over goes through the
# session's one call, so that a match has one writer.
file(GLOB_RECURSE files ${DIR}/*.h ${DIR}/*.cpp)
list(FILTER files EXCLUDE REGEX "/core/(match/Match|session/MatchSession)\\.(h|cpp)$")
set(offenders "")
foreach(file IN LISTS files)
    file(STRINGS ${file} lines REGEX "[.>]playOver\\(")
    if(lines)
        list(APPEND offenders "${file}: ${lines}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n" report)
    message(FATAL_ERROR "an over reaches a match only through MatchSession::submit or playEntry:\n${report}")
endif()
