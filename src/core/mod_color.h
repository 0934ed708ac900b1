#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/packed_color.h"
#include "core/vocabulary.h"

namespace tintwell {

namespace modColor {

// The pointer position shared by the strip drag and the sampler; each use
// fills it and reads it within one handler.
inline Point ptMouse;

}  // namespace modColor

PackedColor convHSV2RGB(double hue, double saturation, double value);

// convHSV2RGB with the hue's share of the arithmetic done once, for drawing
// that asks for thousands of colours of one hue; every result is the same.
class HueConverter {
 public:
  explicit HueConverter(double hue);
  PackedColor operator()(double saturation, double value) const;
  // A row of colours of one value, one for each saturation, as the call above
  // gives them, in a loop without branches that the compiler vectorizes.
  void convertRow(double value, std::span<const double> saturations,
                  std::span<PackedColor> colors) const;

 private:
  int sector_ = 0;
  double shape_ = 0.0;  // 1 - |MathModDbl(h, 2) - 1|, the second channel's share
};
double MathModDbl(const double& a, const double& b);
std::string convInt2HexDigit(const int16_t& n);
int16_t convHexDigit2Int(const std::string& text);

}  // namespace tintwell
