# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Fails with `complaint` when a source under DIR (but those matching `exclude`) has a line
# matching `pattern`; the checks set both and include this.
file(GLOB_RECURSE files ${DIR}/*.h ${DIR}/*.cpp)
if(exclude)
    list(FILTER files EXCLUDE REGEX "${exclude}")
endif()
set(offenders "")
foreach(file IN LISTS files)
    file(STRINGS ${file} lines REGEX "${pattern}")
    if(lines)
        list(APPEND offenders "${file}: ${lines}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n" report)
    message(FATAL_ERROR "${complaint}:\n${report}")
endif()
