# SPDX-License-Identifier: Apache-2.0
# Run by CPack before it packs the staged files (CPACK_PRE_BUILD_SCRIPTS): every program in the
# staging folder's bin/ is stripped of its symbols and of the compiler's .comment and .note
# sections, as Debian's dh_strip does.
find_program(QUVEN_STRIP NAMES strip REQUIRED)
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/bin/*")
foreach(program IN LISTS programs)
    execute_process(
        COMMAND ${QUVEN_STRIP} --remove-section=.comment --remove-section=.note ${program}
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "could not strip ${program}")
    endif()
endforeach()
