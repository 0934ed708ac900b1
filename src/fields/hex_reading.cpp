#include "fields/hex_reading.h"

#include <array>
#include <vector>

#include "core/mod_color.h"

namespace tintwell {

namespace {

constexpr size_t kHexDigits = 6;
constexpr int kNibble = 16;

// The first characters of a UTF-8 text, each kept whole.
std::vector<std::string> leadingCharacters(const std::string& text, size_t count) {
  std::vector<std::string> characters;
  for (const char byte : text) {
    const bool continuation = (static_cast<unsigned char>(byte) & 0xC0u) == 0x80u;
    if (continuation && !characters.empty()) {
      characters.back() += byte;
      continue;
    }
    if (characters.size() == count) break;
    characters.emplace_back(1, byte);
  }
  return characters;
}

}  // namespace

HexChannels readHexColor(const std::string& text) {
  const std::vector<std::string> digits = leadingCharacters(text, kHexDigits);
  std::array<int16_t, kHexDigits> nibbles{};
  const size_t offset = kHexDigits - digits.size();
  for (size_t i = 0; i < digits.size(); ++i) nibbles[offset + i] = convHexDigit2Int(digits[i]);
  return {static_cast<int16_t>(kNibble * nibbles[0] + nibbles[1]),
          static_cast<int16_t>(kNibble * nibbles[2] + nibbles[3]),
          static_cast<int16_t>(kNibble * nibbles[4] + nibbles[5])};
}

}  // namespace tintwell
