#include "picker/picker_math.h"

#include <array>

#include "core/mod_color.h"
#include "core/rounding.h"

namespace tintwell {

namespace {

constexpr int kDarkestLightSum = 383;  // channel sums from here on take a black marker

// pixel / 255 for every pixel of a surface, divided once: drawing asks for
// these tens of thousands of times.
constexpr std::array<double, kSurfaceSide> kFractions = [] {
  std::array<double, kSurfaceSide> fractions{};
  for (size_t pixel = 0; pixel < fractions.size(); ++pixel) {
    fractions[pixel] = static_cast<double>(pixel) / kLastPosition;
  }
  return fractions;
}();

// The fraction of the way down (or across) a 256-pixel surface.
double fractionOf(int pixel) {
  return pixel >= 0 && pixel < kSurfaceSide ? kFractions[static_cast<size_t>(pixel)]
                                            : pixel / kLastPosition;
}

}  // namespace

PackedColor stripRowColor(int16_t dimension, int row, const ColorState& color) {
  switch (dimension) {
    case kHue:
      return convHSV2RGB(fractionOf(kLastPixel - row) * kFullCircle, 1.0, 1.0);
    case kSaturation:
      return convHSV2RGB(color.dHue, 1.0 - fractionOf(row), color.dVal);
    case kBrightness:
      return convHSV2RGB(color.dHue, color.dSat, 1.0 - fractionOf(row));
    case kRed:
      return packRgb(kLastPixel - row, color.iGreen, color.iBlue);
    case kGreen:
      return packRgb(color.iRed, kLastPixel - row, color.iBlue);
    default:
      return packRgb(color.iRed, color.iGreen, kLastPixel - row);
  }
}

int16_t stripPosition(int16_t dimension, const ColorState& color) {
  switch (dimension) {
    case kHue:
      return nearestInt16((kFullCircle - color.dHue) / kFullCircle * kLastPosition);
    case kSaturation:
      return nearestInt16((1.0 - color.dSat) * kLastPosition);
    case kBrightness:
      return nearestInt16((1.0 - color.dVal) * kLastPosition);
    case kRed:
      return static_cast<int16_t>(kLastPixel - color.iRed);
    case kGreen:
      return static_cast<int16_t>(kLastPixel - color.iGreen);
    default:
      return static_cast<int16_t>(kLastPixel - color.iBlue);
  }
}

PackedColor matrixSampleColor(int16_t dimension, int x, int y, const ColorState& color) {
  switch (dimension) {
    case kHue:
      return convHSV2RGB(color.dHue, fractionOf(x), 1.0 - fractionOf(y));
    case kSaturation:
      return convHSV2RGB(fractionOf(x) * kFullCircle, color.dSat, 1.0 - fractionOf(y));
    case kBrightness:
      return convHSV2RGB(fractionOf(x) * kFullCircle, 1.0 - fractionOf(y), color.dVal);
    case kRed:
      return packRgb(color.iRed, kLastPixel - y, x);
    case kGreen:
      return packRgb(kLastPixel - y, color.iGreen, x);
    default:
      return packRgb(x, kLastPixel - y, color.iBlue);
  }
}

// Column by column, top to bottom: the hue of the HSV modes is fixed along a
// column (all over the field in hue mode), so its arithmetic is done once.
void sampleMatrix(PixelImage& image, int16_t dimension, int step, const ColorState& color) {
  const HueConverter fixedHue(color.dHue);
  for (int x = 0; x <= kLastPixel; x += step) {
    const HueConverter columnHue(fractionOf(x) * kFullCircle);
    for (int y = 0; y <= kLastPixel; y += step) {
      PackedColor sample = 0;
      switch (dimension) {
        case kHue:
          sample = fixedHue(fractionOf(x), 1.0 - fractionOf(y));
          break;
        case kSaturation:
          sample = columnHue(color.dSat, 1.0 - fractionOf(y));
          break;
        case kBrightness:
          sample = columnHue(1.0 - fractionOf(y), color.dVal);
          break;
        default:
          sample = matrixSampleColor(dimension, x, y, color);
          break;
      }
      image.setPixel(x, y, sample);
    }
  }
}

MatrixPoint matrixMarkerPosition(int16_t dimension, const ColorState& color) {
  const int16_t fromValue = nearestInt16((1.0 - color.dVal) * kLastPosition);
  const int16_t fromHue = nearestInt16(color.dHue / kFullCircle * kLastPosition);
  switch (dimension) {
    case kHue:
      return {nearestInt16(color.dSat * kLastPosition), fromValue};
    case kSaturation:
      return {fromHue, fromValue};
    case kBrightness:
      return {fromHue, nearestInt16((1.0 - color.dSat) * kLastPosition)};
    case kRed:
      return {color.iBlue, static_cast<int16_t>(kLastPixel - color.iGreen)};
    case kGreen:
      return {color.iBlue, static_cast<int16_t>(kLastPixel - color.iRed)};
    default:
      return {color.iRed, static_cast<int16_t>(kLastPixel - color.iGreen)};
  }
}

PackedColor markerColorOver(PackedColor covered) {
  const int sum = redOf(covered) + greenOf(covered) + blueOf(covered);
  return sum >= kDarkestLightSum ? packRgb(0, 0, 0) : packRgb(255, 255, 255);
}

}  // namespace tintwell
