#include "fields/field_texts.h"

#include "core/mod_color.h"
#include "core/rounding.h"

namespace tintwell {

namespace {

constexpr double kPercent = 100.0;
constexpr int kNibble = 16;
constexpr int32_t kGreenWeight = 256;
constexpr int32_t kBlueWeight = 65536;

std::string hexText(const ColourState& colour) {
  std::string text;
  for (const int16_t channel : {colour.iRed, colour.iGreen, colour.iBlue}) {
    text += convInt2HexDigit(static_cast<int16_t>(channel / kNibble));
    text += convInt2HexDigit(static_cast<int16_t>(channel % kNibble));
  }
  return text;
}

}  // namespace

std::string fieldText(int16_t index, const ColourState& colour) {
  switch (index) {
    case kHueField:
      return std::to_string(nearestInt32(colour.dHue));
    case kSaturationField:
      return std::to_string(nearestInt32(colour.dSat * kPercent));
    case kBrightnessField:
      return std::to_string(nearestInt32(colour.dVal * kPercent));
    case kRedField:
      return std::to_string(colour.iRed);
    case kGreenField:
      return std::to_string(colour.iGreen);
    case kBlueField:
      return std::to_string(colour.iBlue);
    case kHexField:
      return hexText(colour);
    default:
      return std::to_string(colour.iRed + kGreenWeight * colour.iGreen +
                            kBlueWeight * colour.iBlue);
  }
}

}  // namespace tintwell
