#include "fields/color_forms.h"

#include <cstdlib>

#include "core/rounding.h"
#include "core/vocabulary.h"
#include "fields/field_texts.h"
#include "fields/number_reading.h"

namespace tintwell {

namespace {

constexpr double kBothExtremesMax = 2 * kChannelMax;  // max + min of white
constexpr size_t kLongHexDigits = 6;
constexpr size_t kShortHexDigits = 3;
constexpr int kDecimalBase = 10;

std::string percentText(double percent) {
  return std::to_string(nearestInt32(percent)) + "%";
}

// Lightness and saturation from the channels, each product taken before its
// division: the order decides exact halves such as 100 * 46 / 80.
std::string hslText(const ColorState& color) {
  const double maximum = ColorState::MathMaxDbl3(color.iRed, color.iGreen, color.iBlue);
  const double minimum = ColorState::MathMinDbl3(color.iRed, color.iGreen, color.iBlue);
  const double lightness = kPercent * (maximum + minimum) / kBothExtremesMax;
  double saturation = 0.0;
  if (maximum != minimum) {
    saturation =
        kPercent * (maximum - minimum) / (kChannelMax - std::abs(maximum + minimum - kChannelMax));
  }
  return "hsl(" + std::to_string(nearestInt32(color.dHue)) + ", " + percentText(saturation) + ", " +
         percentText(lightness) + ")";
}

std::string upperCase(std::string text) {
  for (char& character : text) {
    if (character >= 'a' && character <= 'z') character = static_cast<char>(character - 'a' + 'A');
  }
  return text;
}

bool isBlank(char character) {
  return character == ' ' || character == '\t';
}

bool isOuterBlank(char character) {
  return isBlank(character) || character == '\r' || character == '\n';
}

std::optional<HexChannels> readHexDigits(std::string_view digits) {
  const bool shortForm = digits.size() == kShortHexDigits;
  if (!shortForm && digits.size() != kLongHexDigits) return std::nullopt;
  std::array<int, kLongHexDigits> nibbles{};
  for (size_t i = 0; i < kLongHexDigits; ++i) {
    nibbles.at(i) = digitValue(digits[shortForm ? i / 2 : i], kNibble);
    if (nibbles.at(i) < 0) return std::nullopt;
  }
  return HexChannels{static_cast<int16_t>(kNibble * nibbles[0] + nibbles[1]),
                     static_cast<int16_t>(kNibble * nibbles[2] + nibbles[3]),
                     static_cast<int16_t>(kNibble * nibbles[4] + nibbles[5])};
}

// Reads rgb(r, g, b) from the front of a text, one part at a time.
class RgbReader {
 public:
  explicit RgbReader(std::string_view text) : text_(text) {}

  std::optional<HexChannels> read() {
    if (!word("rgb") || !mark('(')) return std::nullopt;
    const std::optional<int16_t> red = channel();
    if (!red || !mark(',')) return std::nullopt;
    const std::optional<int16_t> green = channel();
    if (!green || !mark(',')) return std::nullopt;
    const std::optional<int16_t> blue = channel();
    if (!blue || !mark(')')) return std::nullopt;
    skipBlanks();
    if (!text_.empty()) return std::nullopt;
    return HexChannels{*red, *green, *blue};
  }

 private:
  void skipBlanks() {
    while (!text_.empty() && isBlank(text_.front())) text_.remove_prefix(1);
  }

  bool word(std::string_view lowerCase) {
    skipBlanks();
    if (text_.size() < lowerCase.size()) return false;
    for (size_t i = 0; i < lowerCase.size(); ++i) {
      if (toLower(text_[i]) != lowerCase[i]) return false;
    }
    text_.remove_prefix(lowerCase.size());
    return true;
  }

  bool mark(char expected) {
    skipBlanks();
    if (text_.empty() || text_.front() != expected) return false;
    text_.remove_prefix(1);
    return true;
  }

  // Decimal digits only; leading zeros do not count towards the range.
  std::optional<int16_t> channel() {
    skipBlanks();
    int value = 0;
    size_t digits = 0;
    while (digits < text_.size() && text_[digits] >= '0' && text_[digits] <= '9') {
      value = value * kDecimalBase + (text_[digits] - '0');
      if (value > static_cast<int>(kChannelMax)) return std::nullopt;
      ++digits;
    }
    if (digits == 0) return std::nullopt;
    text_.remove_prefix(digits);
    return static_cast<int16_t>(value);
  }

  std::string_view text_;
};

}  // namespace

// Appended piece by piece: g++ 12 warns falsely about "#" + text at -O3.
std::array<std::string, kColorFormCount> colorFormTexts(const ColorState& color) {
  const std::string hex = fieldText(kHexField, color);
  std::string hashed = "#";
  hashed += hex;
  std::string upper = "#";
  upper += upperCase(hex);
  std::string rgb = "rgb(";
  rgb += std::to_string(color.iRed) + ", " + std::to_string(color.iGreen) + ", " +
         std::to_string(color.iBlue) + ")";
  return {hashed, hex, upper, rgb, hslText(color)};
}

std::optional<HexChannels> readPastedColor(std::string_view text) {
  while (!text.empty() && isOuterBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isOuterBlank(text.back())) text.remove_suffix(1);
  if (text.starts_with('#')) return readHexDigits(text.substr(1));
  // Without the "#" only six digits are a colour: three would be a number.
  if (text.size() == kLongHexDigits) return readHexDigits(text);
  return RgbReader(text).read();
}

}  // namespace tintwell
