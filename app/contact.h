#pragma once

namespace quorin {

// Where users find the maker and write for help; the About dialog and the
// usage texts link to these.
inline constexpr const char* kWebAddress = "https://ardenwick.example/quorin/";
inline constexpr const char* kSupportAddress = "quorin-support@ardenwick.example";

}  // namespace quorin
