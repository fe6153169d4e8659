#include "misc/numbers.h"

namespace ks {

LeadingNumber ReadLeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  long long magnitude = 0;
  bool overflow = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (!overflow) {
      magnitude = magnitude * 10 + (text[i] - '0');
      if (magnitude > 32768) overflow = true;  // keep scanning; a long run of digits stays bounded
    }
  }
  const long long value = negative ? -magnitude : magnitude;
  if (overflow || value > 32767 || value < -32768) return {0, true};
  return {static_cast<std::int16_t>(value), false};
}

}  // namespace ks
