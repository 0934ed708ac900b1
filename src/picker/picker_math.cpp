#include "picker/picker_math.h"

#include <array>

#include "core/mod_color.h"
#include "core/rounding.h"

namespace tintwell {

namespace {

constexpr double kChannelMax = 255.0;
constexpr double kFullCircle = 360.0;
constexpr int kDarkestLightSum = 383;  // channel sums from here on take a black marker

// The fraction of the way down (or across) a 256-pixel surface.
double fractionOf(int pixel) {
  return pixel / kChannelMax;
}

}  // namespace

PackedColor stripRowColor(int16_t dimension, int row, const ColourState& colour) {
  switch (dimension) {
    case kHue:
      return convHSV2RGB(fractionOf(kLastPixel - row) * kFullCircle, 1.0, 1.0);
    case kSaturation:
      return convHSV2RGB(colour.dHue, 1.0 - fractionOf(row), colour.dVal);
    case kBrightness:
      return convHSV2RGB(colour.dHue, colour.dSat, 1.0 - fractionOf(row));
    case kRed:
      return packRgb(kLastPixel - row, colour.iGreen, colour.iBlue);
    case kGreen:
      return packRgb(colour.iRed, kLastPixel - row, colour.iBlue);
    default:
      return packRgb(colour.iRed, colour.iGreen, kLastPixel - row);
  }
}

int16_t stripPosition(int16_t dimension, const ColourState& colour) {
  switch (dimension) {
    case kHue:
      return nearestInt16((kFullCircle - colour.dHue) / kFullCircle * kChannelMax);
    case kSaturation:
      return nearestInt16((1.0 - colour.dSat) * kChannelMax);
    case kBrightness:
      return nearestInt16((1.0 - colour.dVal) * kChannelMax);
    case kRed:
      return static_cast<int16_t>(kLastPixel - colour.iRed);
    case kGreen:
      return static_cast<int16_t>(kLastPixel - colour.iGreen);
    default:
      return static_cast<int16_t>(kLastPixel - colour.iBlue);
  }
}

PackedColor matrixSampleColor(int16_t dimension, int x, int y, const ColourState& colour) {
  switch (dimension) {
    case kHue:
      return convHSV2RGB(colour.dHue, fractionOf(x), 1.0 - fractionOf(y));
    case kSaturation:
      return convHSV2RGB(fractionOf(x) * kFullCircle, colour.dSat, 1.0 - fractionOf(y));
    case kBrightness:
      return convHSV2RGB(fractionOf(x) * kFullCircle, 1.0 - fractionOf(y), colour.dVal);
    case kRed:
      return packRgb(colour.iRed, kLastPixel - y, x);
    case kGreen:
      return packRgb(kLastPixel - y, colour.iGreen, x);
    default:
      return packRgb(x, kLastPixel - y, colour.iBlue);
  }
}

MatrixPoint matrixMarkerPosition(int16_t dimension, const ColourState& colour) {
  const int16_t fromValue = nearestInt16((1.0 - colour.dVal) * kChannelMax);
  const int16_t fromHue = nearestInt16(colour.dHue / kFullCircle * kChannelMax);
  switch (dimension) {
    case kHue:
      return {nearestInt16(colour.dSat * kChannelMax), fromValue};
    case kSaturation:
      return {fromHue, fromValue};
    case kBrightness:
      return {fromHue, nearestInt16((1.0 - colour.dSat) * kChannelMax)};
    case kRed:
      return {colour.iBlue, static_cast<int16_t>(kLastPixel - colour.iGreen)};
    case kGreen:
      return {colour.iBlue, static_cast<int16_t>(kLastPixel - colour.iRed)};
    default:
      return {colour.iRed, static_cast<int16_t>(kLastPixel - colour.iGreen)};
  }
}

PackedColor markerColorOver(PackedColor covered) {
  const int sum = redOf(covered) + greenOf(covered) + blueOf(covered);
  return sum >= kDarkestLightSum ? packRgb(0, 0, 0) : packRgb(255, 255, 255);
}

}  // namespace tintwell
