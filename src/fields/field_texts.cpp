#include "fields/field_texts.h"

#include "core/mod_color.h"
#include "core/rounding.h"
#include "core/vocabulary.h"

namespace tintwell {

namespace {

std::string hexText(const ColorState& color) {
  std::string text;
  for (const int16_t channel : {color.iRed, color.iGreen, color.iBlue}) {
    text += convInt2HexDigit(static_cast<int16_t>(channel / kNibble));
    text += convInt2HexDigit(static_cast<int16_t>(channel % kNibble));
  }
  return text;
}

}  // namespace

std::string fieldText(int16_t index, const ColorState& color) {
  switch (index) {
    case kHueField:
      return std::to_string(nearestInt32(color.dHue));
    case kSaturationField:
      return std::to_string(nearestInt32(color.dSat * kPercent));
    case kBrightnessField:
      return std::to_string(nearestInt32(color.dVal * kPercent));
    case kRedField:
      return std::to_string(color.iRed);
    case kGreenField:
      return std::to_string(color.iGreen);
    case kBlueField:
      return std::to_string(color.iBlue);
    case kHexField:
      return hexText(color);
    default:
      return std::to_string(packRgb(color.iRed, color.iGreen, color.iBlue));
  }
}

}  // namespace tintwell
