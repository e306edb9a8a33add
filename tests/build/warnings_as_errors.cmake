# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# Configures presets in scratch trees and checks which compile with -Werror: the development
# preset must (the sanitizer preset inherits it), the play command's release preset must not.
foreach(preset IN ITEMS default release)
    set(tree ${SCRATCH}/${preset})
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND ${CMAKE_COMMAND} --preset ${preset} -B ${tree} -DSTUMPWELL_TESTS=OFF
                    WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE failed OUTPUT_QUIET)
    if(failed)
        message(FATAL_ERROR "the ${preset} preset does not configure")
    endif()
    file(READ ${tree}/build.ninja rules)
    file(REMOVE_RECURSE ${tree})
    string(FIND "${rules}" " -Werror" at)
    if(preset STREQUAL "default" AND at EQUAL -1)
        message(FATAL_ERROR "the default preset lets warnings pass")
    elseif(preset STREQUAL "release" AND NOT at EQUAL -1)
        message(FATAL_ERROR "the release preset turns warnings into errors")
    endif()
endforeach()
