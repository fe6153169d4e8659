#pragma once
// Numbers in the tool's own files: the number at the start of the text.

#include <cstdint>
#include <string_view>

namespace ks {

struct LeadingNumber {
  std::int16_t value = 0;
  // The text's number lies outside -32768..32767 (value is then 0).
  bool overflow = false;
};

// Leading blanks are skipped, then an optional sign and decimal digits are read; reading stops at
// the first character that cannot belong to the number. No digits give 0.
LeadingNumber ReadLeadingNumber(std::string_view text);

}  // namespace ks
