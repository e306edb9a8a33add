# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Fails when a file under DIR includes a header of Qt's GUI modules.
set(pattern "^[ \t]*#[ \t]*include[ \t]*[<\"]Qt(Gui|Widgets|PrintSupport|Svg)[/>\"]")
set(complaint "core must not include QtGui or QtWidgets headers")
include(${CMAKE_CURRENT_LIST_DIR}/RefuseLines.cmake)
