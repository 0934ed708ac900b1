#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/color_state.h"
#include "core/mod_color.h"
#include "core/rounding.h"

namespace tintwell {
namespace {

struct HsvToRgbRow {
  const char* name;
  double hue, saturation, value;
  int red, green, blue;
};

// Worked examples: halves that land exactly, just above and just below, and
// out-of-range inputs.
const HsvToRgbRow kHsvToRgb[] = {
    {"hue 360 is red", 360, 1, 1, 255, 0, 0},
    {"hue 0 is red", 0, 1, 1, 255, 0, 0},
    {"hue 359.9 rounds to red", 359.9, 1, 1, 255, 0, 0},
    {"negative hue is reset, not wrapped", -10, 1, 1, 255, 0, 0},
    {"hue above 360 is reset, not wrapped", 400, 1, 1, 255, 0, 0},
    {"30 degrees: 127.5 goes up to even 128", 30, 1, 1, 255, 128, 0},
    {"90 degrees", 90, 1, 1, 128, 255, 0},
    {"210 degrees", 210, 1, 1, 0, 128, 255},
    {"18 degrees lands just above the half", 18, 1, 1, 255, 77, 0},
    {"6 degrees lands just below the half", 6, 1, 1, 255, 25, 0},
    {"grey 0.1", 0, 0, 0.1, 26, 26, 26},
    {"grey 0.3: 76.5 goes down to even 76", 0, 0, 0.3, 76, 76, 76},
    {"grey 0.5", 0, 0, 0.5, 128, 128, 128},
    {"grey 0.7", 0, 0, 0.7, 178, 178, 178},
    {"grey 0.9", 0, 0, 0.9, 230, 230, 230},
    {"saturation 1.5 acts as 1", 120, 1.5, 1, 0, 255, 0},
    {"value -0.2 acts as 0", 120, 1, -0.2, 0, 0, 0},
    {"sector 3", 200, 1, 1, 0, 170, 255},
    {"sector 4", 270, 1, 1, 128, 0, 255},
    {"sector 5", 330, 1, 1, 255, 0, 128},
};

TEST(ConvHsv2Rgb, WorkedExamples) {
  for (const auto& row : kHsvToRgb) {
    SCOPED_TRACE(row.name);
    const PackedColor color = convHSV2RGB(row.hue, row.saturation, row.value);
    EXPECT_EQ(redOf(color), row.red);
    EXPECT_EQ(greenOf(color), row.green);
    EXPECT_EQ(blueOf(color), row.blue);
    EXPECT_EQ(color >> 24, 0u);
  }
  EXPECT_EQ(convHSV2RGB(30, 1, 1), 33023u);
}

struct RgbToHsvRow {
  const char* name;
  double red, green, blue;
  double hue, saturation, value;
};

constexpr double kKeptHue = 77.0;  // the hue held before a grey is converted

const RgbToHsvRow kRgbToHsv[] = {
    {"pure red stores hue 0, not 360", 255, 0, 0, 0, 1, 1},
    {"black keeps the hue", 0, 0, 0, kKeptHue, 0, 0},
    {"white keeps the hue", 255, 255, 255, kKeptHue, 0, 1},
    {"mid grey keeps the hue", 128, 128, 128, kKeptHue, 0, 128.0 / 255},
    {"tie red-green takes the red rule", 255, 255, 0, 60, 1, 1},
    {"tie red-blue takes the red rule", 255, 0, 255, 300, 1, 1},
    {"tie green-blue takes the green rule", 0, 255, 255, 180, 1, 1},
    {"all channels above zero", 100, 150, 200, 210, 0.5, 200.0 / 255},
    {"orange", 255, 128, 0, (128.0 / 255) * 60, 1, 1},
};

TEST(ConvRgb2Hsv, WorkedExamples) {
  for (const auto& row : kRgbToHsv) {
    SCOPED_TRACE(row.name);
    ColorState state;
    state.dHue = kKeptHue;
    state.convRGB2HSV(row.red, row.green, row.blue);
    EXPECT_DOUBLE_EQ(state.dHue, row.hue);
    EXPECT_DOUBLE_EQ(state.dSat, row.saturation);
    EXPECT_DOUBLE_EQ(state.dVal, row.value);
  }
}

// Every integer triple survives RGB -> HSV -> RGB unchanged.
TEST(ColorModel, EveryRgbTripleRoundTrips) {
  ColorState state;
  int mismatches = 0;
  for (int red = 0; red < 256; ++red) {
    for (int green = 0; green < 256; ++green) {
      for (int blue = 0; blue < 256; ++blue) {
        state.convRGB2HSV(red, green, blue);
        const PackedColor back = convHSV2RGB(state.dHue, state.dSat, state.dVal);
        if (back != packRgb(red, green, blue) && ++mismatches <= 5) {
          ADD_FAILURE() << "(" << red << ", " << green << ", " << blue << ") came back as " << back;
        }
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(ColorModel, NormalizersWriteBackTheirArgument) {
  struct Row {
    double in, out;
  };
  for (const Row row : {Row{-30, 330}, Row{360, 0}, Row{725, 5}, Row{359.9, 359.9}}) {
    double hue = row.in;
    EXPECT_DOUBLE_EQ(ColorState::normalizeHue(hue), row.out);
    EXPECT_DOUBLE_EQ(hue, row.out);
  }
  for (const Row row : {Row{1.5, 1}, Row{-0.25, 0}, Row{0.25, 0.25}}) {
    double value = row.in;
    EXPECT_DOUBLE_EQ(ColorState::normalizeOne(value), row.out);
    EXPECT_DOUBLE_EQ(value, row.out);
  }
}

// Regression: wrapping an infinite hue by 360 never ends.
TEST(ColorModel, NormalizingANonFiniteHueEnds) {
  for (double hue :
       {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(ColorState::normalizeHue(hue), 0.0);
  }
  EXPECT_EQ(convHSV2RGB(0, std::numeric_limits<double>::quiet_NaN(), 1), packRgb(255, 255, 255));
  // Regression: a NaN hue made NaN channels, which cannot be rounded.
  EXPECT_EQ(convHSV2RGB(std::numeric_limits<double>::quiet_NaN(), 1, 1), packRgb(255, 0, 0));
}

TEST(ColorModel, MaxAndMinKeepTheEarlierArgumentOnTies) {
  // Zero and negative zero compare equal: the sign shows which one stayed.
  EXPECT_TRUE(std::signbit(ColorState::MathMaxDbl3(-0.0, 0.0, 0.0)));
  EXPECT_FALSE(std::signbit(ColorState::MathMaxDbl3(0.0, -0.0, -0.0)));
  EXPECT_TRUE(std::signbit(ColorState::MathMinDbl3(-0.0, 0.0, 0.0)));
  EXPECT_DOUBLE_EQ(ColorState::MathMaxDbl3(3, 1, 2), 3);
  EXPECT_DOUBLE_EQ(ColorState::MathMaxDbl3(1, 3, 2), 3);
  EXPECT_DOUBLE_EQ(ColorState::MathMaxDbl3(1, 2, 3), 3);
  EXPECT_DOUBLE_EQ(ColorState::MathMinDbl3(3, 1, 2), 1);
  EXPECT_DOUBLE_EQ(ColorState::MathMinDbl3(2, 3, 1), 1);
}

TEST(ColorModel, RemainderHasTheSignOfTheDividend) {
  EXPECT_DOUBLE_EQ(MathModDbl(5.5, 2), 1.5);
  EXPECT_DOUBLE_EQ(MathModDbl(-5.5, 2), -1.5);
  EXPECT_DOUBLE_EQ(MathModDbl(1.0, 2), 1.0);
}

TEST(HexDigits, EncodeAndDecode) {
  const std::pair<int16_t, const char*> encode[] = {{0, "0"},  {9, "9"},   {10, "a"}, {15, "f"},
                                                    {16, "0"}, {300, "0"}, {-1, ""}};
  for (const auto& [number, text] : encode) {
    SCOPED_TRACE(number);
    EXPECT_EQ(convInt2HexDigit(number), text);
  }
  const std::pair<const char*, int16_t> decode[] = {
      {"", 0},  {"A", 10}, {"a", 10}, {"f0", 15},     {"F", 15},
      {"9", 9}, {"g", 0},  {" ", 0},  {"\xC3\x97", 0}};  // the multiplication sign
  for (const auto& [text, number] : decode) {
    SCOPED_TRACE(text);
    EXPECT_EQ(convHexDigit2Int(text), number);
  }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, double> rows[] = {
      {127.5, 128},   {76.5, 76},  {2.5, 2},   {3.5, 4},
      {25.5, 26},     {-2.5, -2},  {-3.5, -4}, {0.49999999999999994, 0},
      {1e300, 1e300}, {-0.4, -0.0}};
  for (const auto& [in, out] : rows) {
    SCOPED_TRACE(in);
    EXPECT_EQ(roundHalfEven(in), out);
  }
  EXPECT_EQ(nearestInt16(4e4), 32767);
  EXPECT_EQ(nearestInt16(-4e4), -32768);
  EXPECT_EQ(nearestInt32(3e9), 2147483647);
  EXPECT_EQ(nearestInt32(std::numeric_limits<double>::infinity()), 2147483647);
  EXPECT_EQ(nearestInt32(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(nearestInt16(32767.4), 32767);
}

}  // namespace
}  // namespace tintwell
