// SPDX-License-Identifier: Apache-2.0
#include "core/Version.h"

#include <cstdio>
#include <cstring>

namespace quven {

bool answeredVersion(const char* program, int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", program, kVersion);
            return true;
        }
    }
    return false;
}

}  // namespace quven
