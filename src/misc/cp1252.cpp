#include "misc/cp1252.h"

#include <array>
#include <cstdint>

namespace ks {
namespace {

// Code points of bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char EncodeOne(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < High.size(); ++i) {
    if (High[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    AppendUtf8(out, b >= 0x80 && b <= 0x9F ? High[b - 0x80] : static_cast<char32_t>(b));
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    int len = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || i + static_cast<std::size_t>(len) > s.size()) {
      out += '?';
      ++i;
      continue;
    }
    char32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    bool valid = true;
    for (int k = 1; k < len; ++k) {
      const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    out += EncodeOne(cp);
    i += static_cast<std::size_t>(len);
  }
  return out;
}

}  // namespace ks
