#include "picker/picker_math.h"

#include <array>
#include <span>
#include <vector>

#include "core/mod_color.h"
#include "core/rounding.h"
#include "shell/mod_registry_common.h"

namespace tintwell {

namespace {

constexpr int kStepOfHighest = 2;      // even the best quality samples every second pixel
constexpr int kDarkestLightSum = 383;  // channel sums from here on take a black marker
constexpr auto kLastPositionSingle = static_cast<float>(kLastPosition);

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

int16_t channelFrom(double fraction) {
  return nearestInt16(fraction * kChannelMax);
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

void applyStripRow(int16_t dimension, int row, ColorState& color) {
  const double fromTop = 1.0 - row / kLastPosition;
  switch (dimension) {
    case kHue:
      color.dHue = fromTop * kFullCircle;
      break;
    case kSaturation:
      color.dSat = fromTop;
      break;
    case kBrightness:
      color.dVal = fromTop;
      break;
    case kRed:
      color.iRed = channelFrom(fromTop);
      color.convRGB2HSV(color.iRed, color.iGreen, color.iBlue);
      break;
    case kGreen:
      color.iGreen = channelFrom(fromTop);
      color.convRGB2HSV(color.iRed, color.iGreen, color.iBlue);
      break;
    default:
      color.iBlue = channelFrom(fromTop);
      color.convRGB2HSV(color.iRed, color.iGreen, color.iBlue);
      break;
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

int samplingStep(int quality) {
  return MathClampLng3(kHighQuality, kLowQuality, quality) + kStepOfHighest;
}

// Row by row, so memory is written in order: a sampled row, each sample
// over its block's width, then copied down over the block's height. In hue
// mode one hue and, along a row, one value: the row is converted at once. In
// the other HSV modes the hue is fixed down a column, so its arithmetic is
// done once per column.
void sampleMatrix(PixelImage& image, int16_t dimension, int step, const ColorState& color) {
  std::array<double, kSurfaceSide> across{};
  size_t columns = 0;
  for (int x = 0; x <= kLastPixel; x += step) across.at(columns++) = fractionOf(x);
  const HueConverter fixedHue(color.dHue);
  std::vector<HueConverter> columnHues;
  if (dimension == kSaturation || dimension == kBrightness) {
    for (size_t column = 0; column < columns; ++column) {
      columnHues.emplace_back(across[column] * kFullCircle);
    }
  }
  std::array<PackedColor, kSurfaceSide> samples{};
  const std::span<PackedColor> row = std::span(samples).first(columns);
  for (int y = 0; y <= kLastPixel; y += step) {
    const double down = 1.0 - fractionOf(y);
    switch (dimension) {
      case kHue:
        fixedHue.convertRow(down, std::span(across).first(columns), row);
        break;
      case kSaturation:
        for (size_t column = 0; column < columns; ++column) {
          row[column] = columnHues[column](color.dSat, down);
        }
        break;
      case kBrightness:
        for (size_t column = 0; column < columns; ++column) {
          row[column] = columnHues[column](down, color.dVal);
        }
        break;
      default:
        for (size_t column = 0; column < columns; ++column) {
          row[column] = matrixSampleColor(dimension, static_cast<int>(column) * step, y, color);
        }
        break;
    }
    image.setRowOfBlocks(y, row, step);
    for (int below = y + 1; below < y + step; ++below) {
      image.copyRect(0, below, kSurfaceSide, 1, 0, y);
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

namespace {

// One axis's share of a matrix position; the RGB modes leave the conversion
// to the caller, after both channels of a press are set.
void setMatrixAxis(int16_t dimension, MatrixAxis axis, double fraction, ColorState& color) {
  const bool across = axis == MatrixAxis::horizontal;
  switch (dimension) {
    case kHue:
      (across ? color.dSat : color.dVal) = fraction;
      break;
    case kSaturation:
      if (across)
        color.dHue = fraction * kFullCircle;
      else
        color.dVal = fraction;
      break;
    case kBrightness:
      if (across)
        color.dHue = fraction * kFullCircle;
      else
        color.dSat = fraction;
      break;
    case kRed:
      (across ? color.iBlue : color.iGreen) = channelFrom(fraction);
      break;
    case kGreen:
      (across ? color.iBlue : color.iRed) = channelFrom(fraction);
      break;
    default:
      (across ? color.iRed : color.iGreen) = channelFrom(fraction);
      break;
  }
}

double fractionFromLeft(float x) {
  return clampToSurface(x) / kLastPositionSingle;
}

double fractionFromBottom(float y) {
  return 1.0 - static_cast<double>(clampToSurface(y) / kLastPositionSingle);
}

void convertChannels(int16_t dimension, ColorState& color) {
  if (dimension >= kRed) color.convRGB2HSV(color.iRed, color.iGreen, color.iBlue);
}

int16_t clampedPosition(int position) {
  return static_cast<int16_t>(clampToSurface(position));
}

}  // namespace

// Pointer positions arrive as singles and are divided as singles; the
// quotients then take part in the colour's double arithmetic. In the RGB modes
// a point picks exactly the channels the field draws there; in the HSV modes
// the single-precision quotient can move the last bit.
void applyMatrixPoint(int16_t dimension, float x, float y, ColorState& color) {
  setMatrixAxis(dimension, MatrixAxis::horizontal, fractionFromLeft(x), color);
  setMatrixAxis(dimension, MatrixAxis::vertical, fractionFromBottom(y), color);
  convertChannels(dimension, color);
}

std::optional<SurfaceKey> surfaceKeyOf(int16_t keyCode) {
  switch (keyCode) {
    case kPageUpKeyCode:
      return SurfaceKey::pageUp;
    case kPageDownKeyCode:
      return SurfaceKey::pageDown;
    case kEndKeyCode:
      return SurfaceKey::end;
    case kHomeKeyCode:
      return SurfaceKey::home;
    case kLeftKeyCode:
      return SurfaceKey::left;
    case kUpKeyCode:
      return SurfaceKey::up;
    case kRightKeyCode:
      return SurfaceKey::right;
    case kDownKeyCode:
      return SurfaceKey::down;
    default:
      return std::nullopt;
  }
}

MatrixKeyStep matrixKeyStep(MatrixPoint from, SurfaceKey key, bool ctrl) {
  const int arrow = ctrl ? kKeyLeap : 1;
  const auto across = [](int position) {
    return MatrixKeyStep{MatrixAxis::horizontal, clampedPosition(position)};
  };
  const auto down = [](int position) {
    return MatrixKeyStep{MatrixAxis::vertical, clampedPosition(position)};
  };
  switch (key) {
    case SurfaceKey::left:
      return across(from.x - arrow);
    case SurfaceKey::right:
      return across(from.x + arrow);
    case SurfaceKey::up:
      return down(from.y - arrow);
    case SurfaceKey::down:
      return down(from.y + arrow);
    case SurfaceKey::pageUp:
      return down(from.y - kKeyLeap);
    case SurfaceKey::pageDown:
      return down(from.y + kKeyLeap);
    case SurfaceKey::home:
      return across(0);
    case SurfaceKey::end:
      return across(kLastPixel);
  }
  return across(from.x);
}

void applyMatrixAxis(int16_t dimension, MatrixAxis axis, int16_t position, ColorState& color) {
  const auto single = static_cast<float>(position);
  setMatrixAxis(
      dimension, axis,
      axis == MatrixAxis::horizontal ? fractionFromLeft(single) : fractionFromBottom(single),
      color);
  convertChannels(dimension, color);
}

int16_t stripKeyStep(int16_t row, SurfaceKey key) {
  switch (key) {
    case SurfaceKey::up:
    case SurfaceKey::right:
      return clampedPosition(row - 1);
    case SurfaceKey::down:
    case SurfaceKey::left:
      return clampedPosition(row + 1);
    case SurfaceKey::pageUp:
      return clampedPosition(row - kKeyLeap);
    case SurfaceKey::pageDown:
      return clampedPosition(row + kKeyLeap);
    case SurfaceKey::home:
      return 0;
    case SurfaceKey::end:
      return kLastPixel;
  }
  return clampedPosition(row);
}

PackedColor markerColorOver(PackedColor covered) {
  const int sum = redOf(covered) + greenOf(covered) + blueOf(covered);
  return sum >= kDarkestLightSum ? packRgb(0, 0, 0) : packRgb(255, 255, 255);
}

}  // namespace tintwell
