#include "fields/hex_reading.h"

#include <array>
#include <vector>

#include "core/mod_color.h"
#include "core/utf8.h"
#include "core/vocabulary.h"

namespace tintwell {

namespace {

constexpr size_t kHexDigits = 6;

}  // namespace

HexChannels readHexColor(const std::string& text) {
  std::vector<std::string_view> digits = utf8Characters(text);
  if (digits.size() > kHexDigits) digits.resize(kHexDigits);
  std::array<int16_t, kHexDigits> nibbles{};
  const size_t offset = kHexDigits - digits.size();
  for (size_t i = 0; i < digits.size(); ++i) {
    nibbles[offset + i] = convHexDigit2Int(std::string(digits[i]));
  }
  return {static_cast<int16_t>(kNibble * nibbles[0] + nibbles[1]),
          static_cast<int16_t>(kNibble * nibbles[2] + nibbles[3]),
          static_cast<int16_t>(kNibble * nibbles[4] + nibbles[5])};
}

}  // namespace tintwell
