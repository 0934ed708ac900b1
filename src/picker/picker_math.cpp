#include "picker/picker_math.h"

#include <array>

#include "core/mod_color.h"
#include "core/rounding.h"

namespace tintwell {

namespace {

constexpr double kChannelMax = 255.0;
constexpr double kFullCircle = 360.0;
constexpr int kDarkestLightSum = 383;  // channel sums from here on take a black marker

// pixel / 255 for every pixel of a surface, divided once: drawing asks for
// these tens of thousands of times.
constexpr std::array<double, kSurfaceSide> kFractions = [] {
  std::array<double, kSurfaceSide> fractions{};
  for (size_t pixel = 0; pixel < fractions.size(); ++pixel) {
    fractions[pixel] = static_cast<double>(pixel) / kChannelMax;
  }
  return fractions;
}();

// The fraction of the way down (or across) a 256-pixel surface.
double fractionOf(int pixel) {
  return pixel >= 0 && pixel < kSurfaceSide ? kFractions[static_cast<size_t>(pixel)]
                                            : pixel / kChannelMax;
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

// Column by column, top to bottom: the hue of the HSV modes is fixed along a
// column (all over the field in hue mode), so its arithmetic is done once.
void sampleMatrix(PixelImage& image, int16_t dimension, int step, const ColourState& colour) {
  const HueConverter fixedHue(colour.dHue);
  for (int x = 0; x <= kLastPixel; x += step) {
    const HueConverter columnHue(fractionOf(x) * kFullCircle);
    for (int y = 0; y <= kLastPixel; y += step) {
      PackedColor sample = 0;
      switch (dimension) {
        case kHue:
          sample = fixedHue(fractionOf(x), 1.0 - fractionOf(y));
          break;
        case kSaturation:
          sample = columnHue(colour.dSat, 1.0 - fractionOf(y));
          break;
        case kBrightness:
          sample = columnHue(1.0 - fractionOf(y), colour.dVal);
          break;
        default:
          sample = matrixSampleColor(dimension, x, y, colour);
          break;
      }
      image.setPixel(x, y, sample);
    }
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
