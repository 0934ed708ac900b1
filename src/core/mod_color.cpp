#include "core/mod_color.h"

#include <cmath>

#include "core/rounding.h"

namespace tintwell {

namespace {

constexpr double kDegreesPerSector = 60.0;
constexpr double kFullCircle = 360.0;
constexpr double kChannelMax = 255.0;

// The sum is formed by the caller, then scaled, then rounded; halves land on
// the exact order of these operations.
int toChannel(double fraction) {
  const double scaled = roundHalfEven(fraction * kChannelMax);
  if (!(scaled >= 0.0)) return 0;
  if (scaled > kChannelMax) return static_cast<int>(kChannelMax);
  return static_cast<int>(scaled);
}

double clampUnit(double value) {
  if (value < 0.0) return 0.0;
  if (value > 1.0) return 1.0;
  return value;
}

}  // namespace

double MathModDbl(const double& a, const double& b) {
  return a - std::trunc(a / b) * b;
}

PackedColor convHSV2RGB(double hue, double saturation, double value) {
  if (hue < 0.0) hue = 0.0;
  if (hue >= kFullCircle) hue = 0.0;  // out-of-range hues are reset, not wrapped
  saturation = clampUnit(saturation);
  value = clampUnit(value);

  const double chroma = saturation * value;
  const double h = hue / kDegreesPerSector;
  const double second = chroma * (1.0 - std::fabs(MathModDbl(h, 2.0) - 1.0));
  const double m = value - chroma;

  double red = m;
  double green = m;
  double blue = m;
  if (h < 1.0) {
    red = m + chroma;
    green = m + second;
  } else if (h < 2.0) {
    red = m + second;
    green = m + chroma;
  } else if (h < 3.0) {
    green = m + chroma;
    blue = m + second;
  } else if (h < 4.0) {
    green = m + second;
    blue = m + chroma;
  } else if (h < 5.0) {
    red = m + second;
    blue = m + chroma;
  } else {
    red = m + chroma;
    blue = m + second;
  }
  return packRgb(toChannel(red), toChannel(green), toChannel(blue));
}

std::string convInt2HexDigit(const int16_t& n) {
  static constexpr char kDigits[] = "0123456789abcdef";
  if (n < 0) return {};
  if (n > 15) return "0";
  return std::string(1, kDigits[n]);
}

int16_t convHexDigit2Int(const std::string& text) {
  if (text.empty()) return 0;
  char first = text.front();
  if (first >= 'A' && first <= 'Z') first = static_cast<char>(first - 'A' + 'a');
  static constexpr char kDigits[] = "0123456789abcdef";
  for (int16_t position = 0; position < 16; ++position) {
    if (kDigits[position] == first) return position;
  }
  return 0;
}

}  // namespace tintwell
