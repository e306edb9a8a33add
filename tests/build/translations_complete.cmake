# SPDX-FileCopyrightText: 2026 The Stumpwell authors
# SPDX-License-Identifier: MIT
# lupdate on a copy of each catalogue: a text it marks unfinished (new or changed in the
# sources) or vanished (gone from them) fails, named.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
foreach(catalogue IN LISTS CATALOGUES)
    get_filename_component(name ${catalogue} NAME)
    file(COPY ${catalogue} DESTINATION ${SCRATCH})
    execute_process(COMMAND ${LUPDATE} -locations none -silent ${SOURCES} -ts ${SCRATCH}/${name}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(STRINGS ${SCRATCH}/${name} lines)
    set(context "")
    set(source "")
    set(open "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<name>(.*)</name>")
            set(context "${CMAKE_MATCH_1}")
        elseif(line MATCHES "<source>(.*)</source>")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
            string(APPEND open "\n  ${CMAKE_MATCH_1}: ${context}: ${source}")
        endif()
    endforeach()
    if(open)
        message(FATAL_ERROR "${name} is not complete (run cmake --build <tree> --target "
                            "stumpwell_lupdate, then translate):${open}")
    endif()
endforeach()
