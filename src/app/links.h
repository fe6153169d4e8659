#pragma once
// The makers' web addresses, shown on the about panel, opened by its links and written into the
// settings file. They stay under the reserved example.org domain until the project has its own pages.

#include <string_view>

namespace ks {

inline constexpr std::string_view CompanyUrl = "https://www.example.org/kitsmith/";
inline constexpr std::string_view ClanUrl = "https://qzw.example.org/";
inline constexpr std::string_view PrivateUrl = "https://www.example.org/kitsmith/developers/";

}  // namespace ks
