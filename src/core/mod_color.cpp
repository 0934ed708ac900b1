#include "core/mod_color.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/rounding.h"
#include "core/vocabulary.h"

namespace tintwell {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// Where a sector puts the shares of its colour, as shifts into the packed
// colour (red 0, green 8, blue 16): the largest share, the second, the least.
struct SectorShifts {
  unsigned largest;
  unsigned second;
  unsigned least;
};
constexpr std::array<SectorShifts, 6> kSectorShifts{{
    {0, 8, 16},
    {8, 0, 16},
    {8, 16, 0},
    {16, 8, 0},
    {16, 0, 8},
    {0, 16, 8},
}};

// The sum is formed by the caller, then scaled, then rounded; halves land on
// the exact order of these operations. With saturation and value clamped
// into 0..1 every channel fraction lies in 0..1 (a rounding hair above 1 at
// most, which still rounds to 255).
PackedColor toChannel(double fraction) {
  return static_cast<PackedColor>(
      static_cast<int32_t>(roundHalfEvenInRange(fraction * kChannelMax)));
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

namespace {

// One colour of a sector: shape is the second channel's share.
PackedColor shade(const SectorShifts& shifts, double shape, double saturation, double value) {
  // clampUnit's choices as selections, which vectorize; NaN still gives 0.
  saturation = saturation > 0.0 ? saturation : 0.0;
  saturation = saturation < 1.0 ? saturation : 1.0;
  const double chroma = saturation * value;
  const double second = chroma * shape;
  const double least = value - chroma;
  return (toChannel(least + chroma) << shifts.largest) |
         (toChannel(least + second) << shifts.second) | (toChannel(least) << shifts.least);
}

}  // namespace

PackedColor HueConverter::operator()(double saturation, double value) const {
  return shade(kSectorShifts.at(static_cast<size_t>(sector_)), shape_, saturation,
               clampUnit(value));
}

void HueConverter::convertRow(double value, std::span<const double> saturations,
                              std::span<PackedColor> colors) const {
  value = clampUnit(value);
  const SectorShifts shifts = kSectorShifts.at(static_cast<size_t>(sector_));
  const size_t count = std::min(saturations.size(), colors.size());
  for (size_t index = 0; index < count; ++index) {
    colors[index] = shade(shifts, shape_, saturations[index], value);
  }
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
