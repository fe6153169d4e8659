#pragma once
// Names in the game's files are Windows-1252 bytes; the window shows and takes Unicode.

#include <string>
#include <string_view>

namespace ks {

// Every byte maps to a character; the five bytes Windows-1252 leaves undefined map to the C1
// control of the same value, so decoding and encoding again gives back the bytes.
std::string Cp1252ToUtf8(std::string_view bytes);

// A character that Windows-1252 cannot hold becomes '?', as the Windows ANSI conversion does.
// Invalid UTF-8 bytes become '?' too.
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace ks
