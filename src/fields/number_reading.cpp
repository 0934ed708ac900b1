#include "fields/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace tintwell {

namespace {

constexpr char kEnd = '\0';  // never part of a number, so it also stops on a NUL byte
constexpr char kDecimalPoint = '.';
constexpr int kDecimalBase = 10;
constexpr int kHexBase = 16;
constexpr int kOctalBase = 8;
constexpr int kLetterDigitOffset = 10;
// Far beyond any exponent a double can use, far below int64's limit.
constexpr int64_t kExponentLimit = 1'000'000'000;

bool isBlank(char character) {
  return character == ' ' || character == '\t' || character == '\n';
}

bool isDecimalDigit(char character) {
  return character >= '0' && character <= '9';
}

// Reads the text left to right, stepping over blanks wherever they stand.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  char peek() {
    while (position_ < text_.size() && isBlank(text_[position_])) ++position_;
    return position_ < text_.size() ? text_[position_] : kEnd;
  }
  char take() {
    const char character = peek();
    if (position_ < text_.size()) ++position_;
    return character;
  }
  bool takeIf(char lowerCase) {
    if (toLower(peek()) != lowerCase) return false;
    ++position_;
    return true;
  }

 private:
  std::string_view text_;
  size_t position_ = 0;
};

// Digits after &H or &O. The result is not limited to any integer type:
// accumulating in double saturates to a large value, then infinity.
double readRadixDigits(Cursor& cursor, int base) {
  double value = 0;
  for (int digit = digitValue(cursor.peek(), base); digit >= 0;
       digit = digitValue(cursor.peek(), base)) {
    cursor.take();
    value = value * base + digit;
  }
  return value;
}

std::string readDigits(Cursor& cursor) {
  std::string digits;
  while (isDecimalDigit(cursor.peek())) digits.push_back(cursor.take());
  return digits;
}

// Decimal exponent of the leading non-zero digit of integer.fraction, capped;
// only its sign is used, to tell an overflow from an underflow.
int64_t leadingPower(const std::string& integer, const std::string& fraction) {
  const auto cap = [](size_t count) {
    return static_cast<int64_t>(std::min<size_t>(count, kExponentLimit));
  };
  const size_t firstInteger = integer.find_first_not_of('0');
  if (firstInteger != std::string::npos) return cap(integer.size() - firstInteger) - 1;
  return -cap(fraction.find_first_not_of('0')) - 1;
}

// An exponent counts only with at least one digit: "1e" and "1e-" read as 1.
void readExponent(Cursor& cursor, std::string& text, int64_t& exponent) {
  const char marker = toLower(cursor.peek());
  if (marker != 'e' && marker != 'd') return;
  cursor.take();
  bool negative = false;
  if (cursor.peek() == '+' || cursor.peek() == '-') negative = cursor.take() == '-';
  if (!isDecimalDigit(cursor.peek())) return;
  text.push_back('e');
  if (negative) text.push_back('-');
  exponent = 0;
  while (isDecimalDigit(cursor.peek())) {
    const char digit = cursor.take();
    text.push_back(digit);
    exponent = std::min(exponent * kDecimalBase + (digit - '0'), kExponentLimit);
  }
  if (negative) exponent = -exponent;
}

// from_chars rounds to nearest exactly as strtod does, in every locale; it
// leaves the value alone when the result is out of range, so the direction
// comes from the magnitude instead.
double readDecimal(Cursor& cursor) {
  const std::string integer = readDigits(cursor);
  std::string fraction;
  if (cursor.peek() == kDecimalPoint) {
    cursor.take();
    fraction = readDigits(cursor);
  }
  if (integer.find_first_not_of('0') == std::string::npos &&
      fraction.find_first_not_of('0') == std::string::npos) {
    return 0;  // no digits, or only zeros whatever the exponent
  }

  std::string text = integer.empty() ? "0" : integer;
  if (!fraction.empty()) text += kDecimalPoint + fraction;
  int64_t exponent = 0;
  readExponent(cursor, text, exponent);

  double value = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), value).ec ==
      std::errc::result_out_of_range) {
    const bool overflow = leadingPower(integer, fraction) + exponent > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

}  // namespace

char toLower(char character) {
  return (character >= 'A' && character <= 'Z') ? static_cast<char>(character - 'A' + 'a')
                                                : character;
}

int digitValue(char character, int base) {
  const char lower = toLower(character);
  int value = -1;
  if (isDecimalDigit(lower)) {
    value = lower - '0';
  } else if (lower >= 'a' && lower <= 'z') {
    value = lower - 'a' + kLetterDigitOffset;
  }
  return value < base ? value : -1;
}

double readNumber(const std::string& text) {
  Cursor cursor(text);
  if (cursor.peek() == '&') {
    cursor.take();
    if (cursor.takeIf('h')) return readRadixDigits(cursor, kHexBase);
    if (cursor.takeIf('o')) return readRadixDigits(cursor, kOctalBase);
    return 0;
  }
  bool negative = false;
  if (cursor.peek() == '+' || cursor.peek() == '-') negative = cursor.take() == '-';
  const double magnitude = readDecimal(cursor);
  // Zero is always +0, also for "-0", so no caller ever sees a negative zero.
  return (negative && magnitude != 0) ? -magnitude : magnitude;
}

}  // namespace tintwell
