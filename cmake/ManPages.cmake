# SPDX-License-Identifier: Apache-2.0
# Manual pages. Each docs/man/NAME.SECTION.scd is turned by scdoc into the troff page
# man/NAME.SECTION in the build folder, compressed (gzip -n9, so the same page gives the same
# bytes on every build) and installed as share/man/manSECTION/NAME.SECTION.gz, into the Debian
# package too. Without scdoc the pages are left out with a message, and the build goes on
# (Debian: apt-get install scdoc; scripts/setup installs it).
#
# In script mode (cmake -P) this file makes one page: -DSCDOC= -DGZIP= -DSOURCE= -DPAGE=.

if(CMAKE_SCRIPT_MODE_FILE)
    execute_process(COMMAND ${SCDOC} INPUT_FILE ${SOURCE} OUTPUT_FILE ${PAGE}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        file(REMOVE ${PAGE})
        message(FATAL_ERROR "scdoc could not read ${SOURCE}")
    endif()
    execute_process(COMMAND ${GZIP} -n9 -c ${PAGE} OUTPUT_FILE ${PAGE}.gz RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        file(REMOVE ${PAGE}.gz)
        message(FATAL_ERROR "gzip could not compress ${PAGE}")
    endif()
    return()
endif()

include(GNUInstallDirs)

file(GLOB QUVEN_MAN_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/*.scd)
find_program(QUVEN_SCDOC scdoc)
find_program(QUVEN_GZIP gzip)

if(QUVEN_MAN_SOURCES AND NOT (QUVEN_SCDOC AND QUVEN_GZIP))
    message(STATUS "scdoc or gzip not found: the manual pages are not built "
                   "(Debian: apt-get install scdoc)")
elseif(QUVEN_MAN_SOURCES)
    set(QUVEN_MAN_PAGES "")
    foreach(source IN LISTS QUVEN_MAN_SOURCES)
        get_filename_component(page ${source} NAME_WLE)  # quven-table.1
        string(REGEX MATCH "[^.]+$" section ${page})      # 1
        set(troff ${PROJECT_BINARY_DIR}/man/${page})
        add_custom_command(
            OUTPUT ${troff}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
            COMMAND ${CMAKE_COMMAND} -DSCDOC=${QUVEN_SCDOC} -DGZIP=${QUVEN_GZIP}
                    -DSOURCE=${source} -DPAGE=${troff} -P ${CMAKE_CURRENT_LIST_FILE}
            DEPENDS ${source} ${CMAKE_CURRENT_LIST_FILE}
            COMMENT "Manual page ${page}"
            VERBATIM)
        list(APPEND QUVEN_MAN_PAGES ${troff}.gz)
        install(FILES ${troff}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
    endforeach()
    add_custom_target(quven_man_pages ALL DEPENDS ${QUVEN_MAN_PAGES})
endif()
