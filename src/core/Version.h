#pragma once

namespace quven {

// What every program of the console says of itself: its version and the project's address,
// both set once, in the project's CMakeLists.txt.
inline constexpr const char* kVersion = QUVEN_VERSION;
inline constexpr const char* kHomepage = QUVEN_HOMEPAGE;

}  // namespace quven
