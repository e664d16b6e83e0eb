// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace quven {

// What every program of the console says of itself: its version and the project's address,
// both set once, in the project's CMakeLists.txt.
inline constexpr const char* kVersion = QUVEN_VERSION;
inline constexpr const char* kHomepage = QUVEN_HOMEPAGE;

// `program --version`, answered before anything of Qt starts (so without a display): prints
// "<program> <version>" and returns true when one of the arguments is --version.
bool answeredVersion(const char* program, int argc, char* argv[]);

}  // namespace quven
