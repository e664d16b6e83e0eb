# SPDX-License-Identifier: Apache-2.0
# The hardening of Debian's own packages (dpkg-buildflags), for every build but the sanitizer and
# fuzz builds (whose instrumentation has its own checks): stack protection and stack clash
# protection, control-flow protection where the processor has it, fortified C library calls
# where the compiler optimises, position-independent executables, and a read-only relocation
# table bound at start. `hardening-check` (devscripts) on the installed programs shows them.
option(QUVEN_HARDENING "Build with stack protection, fortified functions, PIE and full RELRO" ON)

if(QUVEN_HARDENING AND NOT (QUVEN_SANITIZE OR QUVEN_FUZZ))
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckCXXCompilerFlag)
    add_compile_options(-fstack-protector-strong)
    foreach(flag -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "QUVEN_HAS${flag}" supported)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported})
            add_compile_options(${flag})
        endif()
    endforeach()
    if(NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
        # Fortified functions need the optimiser; a Debug build has none to give them.
        add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    endif()
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
