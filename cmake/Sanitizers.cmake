# SPDX-License-Identifier: Apache-2.0
# Sanitizer builds and the fuzz targets.
#
# QUVEN_SANITIZE=ON builds every target (libraries, programs, tests, benchmarks) with
# AddressSanitizer and UndefinedBehaviorSanitizer, with GCC or Clang. Undefined behaviour is not
# recovered from: the program stops at the first report, so a test that runs into it fails.
# Qt itself is not instrumented. scripts/test builds such a build (Debug, so that assertions are
# on) in build-asan and runs its suite with leak detection and the suppressions of
# cmake/lsan.supp; by hand:
#
#   cmake -S . -B build-asan -G Ninja -DQUVEN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
#   cmake --build build-asan
#   ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/cmake/lsan.supp \
#       QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure
#
# QUVEN_FUZZ=ON (Clang only) builds everything with the same sanitizers plus libFuzzer's
# coverage instrumentation (-fsanitize=fuzzer-no-link) and adds the libFuzzer targets of fuzz/,
# which link the fuzzer's main themselves. scripts/fuzz builds and runs them.

option(QUVEN_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUVEN_FUZZ "Build the libFuzzer targets under fuzz/ (clang only)" OFF)

if(QUVEN_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUVEN_FUZZ needs Clang's libFuzzer: configure with "
                        "-DCMAKE_CXX_COMPILER=clang++ (and install libclang-rt-14-dev).")
endif()

if(QUVEN_SANITIZE OR QUVEN_FUZZ)
    set(QUVEN_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined)
    if(QUVEN_FUZZ)
        list(APPEND QUVEN_SANITIZER_FLAGS -fsanitize=fuzzer-no-link)
    endif()
    add_compile_options(${QUVEN_SANITIZER_FLAGS} -fno-omit-frame-pointer)
    add_link_options(${QUVEN_SANITIZER_FLAGS})
endif()
