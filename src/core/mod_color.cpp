#include "core/mod_color.h"

#include <cmath>

#include "core/rounding.h"
#include "core/vocabulary.h"

namespace tintwell {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// The sum is formed by the caller, then scaled, then rounded; halves land on
// the exact order of these operations. With saturation and value clamped
// into 0..1 every channel fraction lies in 0..1 (a rounding hair above 1 at
// most, which still rounds to 255).
int toChannel(double fraction) {
  return static_cast<int>(roundHalfEven(fraction * kChannelMax));
}

// NaN counts as 0, so nothing downstream ever sees it.
double clampUnit(double value) {
  if (!(value > 0.0)) return 0.0;
  if (value > 1.0) return 1.0;
  return value;
}

}  // namespace

// The quotient is truncated by conversion to a 64-bit integer where it fits:
// the same value as std::trunc, without a call into the Windows C runtime.
// Not roundHalfEven: the quotient goes toward zero, not to the nearest, and
// 2^62 only keeps the conversion inside int64_t.
double MathModDbl(const double& a, const double& b) {
  constexpr double kTwoPow62 = 4611686018427387904.0;
  const double quotient = a / b;
  const double whole = std::fabs(quotient) < kTwoPow62
                           ? static_cast<double>(static_cast<int64_t>(quotient))
                           : std::trunc(quotient);
  return a - whole * b;
}

HueConverter::HueConverter(double hue) {
  // Out-of-range hues are reset, not wrapped; NaN with them, as its channels
  // could not be rounded.
  if (!(hue >= 0.0) || hue >= kFullCircle) hue = 0.0;
  const double h = hue / kDegreesPerSector;
  shape_ = 1.0 - std::fabs(MathModDbl(h, 2.0) - 1.0);
  // Half-open sectors [0, 1), [1, 2) ... [5, 6).
  sector_ = h < 1.0 ? 0 : h < 2.0 ? 1 : h < 3.0 ? 2 : h < 4.0 ? 3 : h < 5.0 ? 4 : 5;
}

PackedColor HueConverter::operator()(double saturation, double value) const {
  saturation = clampUnit(saturation);
  value = clampUnit(value);
  const double chroma = saturation * value;
  const double second = chroma * shape_;
  const double m = value - chroma;

  double red = m;
  double green = m;
  double blue = m;
  switch (sector_) {
    case 0:
      red = m + chroma;
      green = m + second;
      break;
    case 1:
      red = m + second;
      green = m + chroma;
      break;
    case 2:
      green = m + chroma;
      blue = m + second;
      break;
    case 3:
      green = m + second;
      blue = m + chroma;
      break;
    case 4:
      red = m + second;
      blue = m + chroma;
      break;
    default:
      red = m + chroma;
      blue = m + second;
      break;
  }
  return packRgb(toChannel(red), toChannel(green), toChannel(blue));
}

PackedColor convHSV2RGB(double hue, double saturation, double value) {
  return HueConverter(hue)(saturation, value);
}

std::string convInt2HexDigit(const int16_t& n) {
  if (n < 0) return {};
  if (n >= kNibble) return "0";
  return std::string(1, kHexDigits[n]);
}

int16_t convHexDigit2Int(const std::string& text) {
  if (text.empty()) return 0;
  char first = text.front();
  if (first >= 'A' && first <= 'Z') first = static_cast<char>(first - 'A' + 'a');
  for (int16_t position = 0; position < kNibble; ++position) {
    if (kHexDigits[position] == first) return position;
  }
  return 0;
}

}  // namespace tintwell
