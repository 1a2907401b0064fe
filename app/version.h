#pragma once

namespace quorin {

// The program's version, as --version and the About dialog show it. Set once,
// in the project's CMakeLists.txt.
inline constexpr const char* kQuorinVersion = QUORIN_VERSION;

}  // namespace quorin
