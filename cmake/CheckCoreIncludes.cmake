# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Fails when a file under DIR includes a header of Qt's GUI modules.
file(GLOB_RECURSE files ${DIR}/*.h ${DIR}/*.cpp)
set(offenders "")
foreach(file IN LISTS files)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Qt(Gui|Widgets|PrintSupport|Svg)[/>\"]")
    if(lines)
        list(APPEND offenders "${file}: ${lines}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n" report)
    message(FATAL_ERROR "core must not include QtGui or QtWidgets headers:\n${report}")
endif()
