#include "model/catalogue.h"

#include <cstddef>

namespace ks {
namespace {

template <std::size_t N>
std::string_view TokenOf(const std::array<std::string_view, N>& table, int code) {
  if (code < 0 || static_cast<std::size_t>(code) >= N) return {};
  return table[static_cast<std::size_t>(code)];
}

// The game's files are single-byte text; only ASCII letters have upper-case forms that can equal
// a key, so an ASCII conversion compares exactly as the ANSI one does.
constexpr char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsUpper(std::string_view text, std::string_view token) {
  if (text.size() != token.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Upper(text[i]) != Upper(token[i])) return false;
  }
  return true;
}

template <std::size_t N>
std::int16_t CodeOf(const std::array<std::string_view, N>& table, std::string_view token) {
  for (std::size_t code = 0; code < N; ++code) {
    if (EqualsUpper(token, table[code])) return static_cast<std::int16_t>(code);
  }
  return 0;
}

}  // namespace

std::string_view WeaponToken(WeaponCode code) { return TokenOf(WeaponTokens, code); }
std::string_view PackToken(PackCode code) { return TokenOf(PackTokens, code); }
std::string_view GrenToken(GrenCode code) { return TokenOf(GrenTokens, code); }

WeaponCode WeaponFromToken(std::string_view token) { return CodeOf(WeaponTokens, token); }
PackCode PackFromToken(std::string_view token) { return CodeOf(PackTokens, token); }
GrenCode GrenFromToken(std::string_view token) { return CodeOf(GrenTokens, token); }

}  // namespace ks
