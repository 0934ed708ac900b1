#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "fields/number_reading.h"

namespace tintwell {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct NumberRow {
  const char* name;
  std::string text;
  double expected;
};

// Every result must be bit-exact: each expected literal is the double the
// compiler rounds the same digits to.
const NumberRow kNumbers[] = {
    // What users type into the fields.
    {"trailing letter stops reading", "12a", 12},
    {"blank between digits is skipped", "1 2", 12},
    {"decimal fraction", "1.5", 1.5},
    {"exponent", "1e2", 100},
    {"leading letter gives 0", "a12", 0},
    {"lone minus sign gives 0", "-", 0},
    {"hex prefix", "&HF", 15},
    {"hex prefix in lower case", "&hf", 15},
    {"red beyond 16 bits via exponent", "4e4", 40000},
    {"colour number beyond 32 bits", "3e9", 3e9},
    {"beyond a double gives infinity", "1e400", kInfinity},
    {"below a double gives minus infinity", "-1e400", -kInfinity},
    {"empty text", "", 0},
    {"hex digits without prefix are letters", "zz", 0},
    {"lone hex letter", "f", 0},
    {"hex digits after a letter give 0", "ff0", 0},
    {"largest colour number plus one", "16777216", 16777216},
    {"minus one", "-1", -1},
    {"comma is no decimal point", "1,5", 1},
    {"tab and line feed around", "\t3\n", 3},
    {"plus sign", "+7", 7},
    {"negative exponent", "1e-2", 0.01},
    {"half", "2.5", 2.5},
    {"0.3 converts exactly", "0.3", 0.3},
    {"127.5 converts exactly", "127.5", 127.5},
    // Further rules.
    {"exponent marker without digits is not part", "1e", 1},
    {"exponent sign without digits is not part", "1e-", 1},
    {"exponent with plus sign", "1e+2", 100},
    {"capital exponent marker", "1E2", 100},
    {"d as exponent marker", "1d2", 100},
    {"capital d as exponent marker", "1D-1", 0.1},
    {"blanks inside the exponent", "1 e - 2", 0.01},
    {"leading point", ".5", 0.5},
    {"negative leading point", "-.5", -0.5},
    {"trailing point", "5.", 5},
    {"point alone", ".", 0},
    {"exponent without mantissa", "e5", 0},
    {"blank after the sign", "- 5", -5},
    {"second point stops reading", "1.2.3", 1.2},
    {"two signs", "--5", 0},
    {"line feeds skipped", "\n1\n2\n", 12},
    {"a carriage return is no blank", "1\r2", 1},
    {"octal prefix in lower case", "&o17", 15},
    {"octal prefix stops at 8", "&O78", 7},
    {"hex prefix without digits", "&H", 0},
    {"ampersand alone", "&", 0},
    {"unknown prefix letter", "&X1", 0},
    {"hex stops at the first non-digit", "&H1g", 1},
    {"blanks inside a hex number", "& h f f", 255},
    {"hex byte", "&HFF", 255},
    {"hex is never negative", "&HFFFF", 65535},
    {"sign before the prefix gives 0", "-&H1", 0},
    {"minus zero is plain zero", "-0", 0},
    {"zeros with a huge exponent", "0.000e999", 0},
    {"underflow gives zero", "1e-400", 0},
    {"negative underflow gives zero", "-1e-400", 0},
    {"smallest subnormal", "5e-324", 5e-324},
    {"largest double", "1.7976931348623157e308", 1.7976931348623157e308},
    {"just past the largest double rounds to infinity", "1.7976931348623159e308", kInfinity},
    {"leading zeros", "007", 7},
    {"halfway above 2^53 goes to even", "9007199254740993", 9007199254740992.0},
    {"a far digit breaks the tie upwards", "9007199254740993.000000000000000000000001",
     9007199254740994.0},
    {"classic hard case", "2.2250738585072011e-308", 2.2250738585072011e-308},
    {"non-ASCII letter stops reading", "5\u00e97", 5},
    {"no-break space is no blank", "\u00a05", 0},
    {"NUL byte stops reading", std::string{'5', '\0', '7'}, 5},
};

TEST(ReadNumber, Table) {
  for (const auto& row : kNumbers) {
    SCOPED_TRACE(row.name);
    const double value = readNumber(row.text);
    EXPECT_EQ(value, row.expected) << '"' << row.text << '"';
    EXPECT_FALSE(std::signbit(value) && value == 0) << "negative zero";
  }
}

// Texts far longer than any field, pasted or built; no limit of any
// integer type may show.
TEST(ReadNumber, HugeDigitStringsStayExact) {
  constexpr size_t kManyDigits = 100'000;
  const std::string zeros(kManyDigits, '0');
  const std::string nines(kManyDigits, '9');
  const NumberRow rows[] = {
      {"one and many zeros overflows", "1" + zeros, kInfinity},
      {"many zeros then one, scaled back", "1" + zeros + "e-100000", 1},
      {"tiny fraction scaled up", "0." + zeros + "1e100005", 10000},
      {"many leading zeros", zeros + "42", 42},
      {"huge exponent", "1e" + nines, kInfinity},
      {"huge negative exponent", "1e-" + nines, 0},
      {"negative huge mantissa", "-" + nines, -kInfinity},
      {"long fraction of nines rounds to one", "0." + nines, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(readNumber(row.text), row.expected);
  }
}

TEST(ReadNumber, LongHexAndOctalSaturateInsteadOfWrapping) {
  constexpr int kHexDigitsBeyondDouble = 300;  // 16^300 exceeds the largest double
  EXPECT_EQ(readNumber("&H" + std::string(kHexDigitsBeyondDouble, 'F')), kInfinity);
  EXPECT_EQ(readNumber("&O" + std::string(kHexDigitsBeyondDouble * 2, '7')), kInfinity);

  // 2^64 - 1 and 2^80 - 1 would wrap in 64-bit integers; in double they stay
  // within rounding of the true value.
  EXPECT_DOUBLE_EQ(readNumber("&HFFFFFFFFFFFFFFFF"), std::ldexp(1.0, 64));
  EXPECT_DOUBLE_EQ(readNumber("&HFFFFFFFFFFFFFFFFFFFF"), std::ldexp(1.0, 80));
  EXPECT_EQ(readNumber("&H7FFFFFFF"), 2147483647.0);
  EXPECT_EQ(readNumber("&O37777777777"), 4294967295.0);
}

}  // namespace
}  // namespace tintwell
