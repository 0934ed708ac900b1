#pragma once

// The words every layer uses: the six dimensions, the eight value fields, the
// render qualities, positions, pointer buttons, modifier bits and keys, and
// the fixed numbers of the colour model and the picker surfaces.

#include <cstdint>

namespace tintwell {

// What the strip controls, in the order of its options "H:" to "B:".
enum Dimension : int16_t { kHue = 0, kSaturation, kBrightness, kRed, kGreen, kBlue };
inline constexpr int kDimensionCount = 6;

// The value fields txtInp(0) to txtInp(7).
enum FieldIndex : int16_t {
  kHueField = 0,
  kSaturationField,
  kBrightnessField,
  kRedField,
  kGreenField,
  kBlueField,
  kHexField,
  kColorNumberField
};
inline constexpr int kFieldCount = 8;
// refreshInputs(kNoField) rewrites every field.
inline constexpr int16_t kNoField = -1;

// The render qualities, as the quality list indexes them.
enum Quality : int32_t { kHighQuality = 0, kMediumQuality, kLowQuality };
inline constexpr int kQualityCount = 3;

// A position in pixels: on the screen, or in the window's client area.
struct Point {
  int32_t x = 0;
  int32_t y = 0;
};

// Pointer buttons and modifier keys, as the pointer handlers receive them.
inline constexpr int16_t kLeftButton = 1;
inline constexpr int16_t kRightButton = 2;
inline constexpr int16_t kMiddleButton = 4;
inline constexpr int16_t kShiftMask = 1;
inline constexpr int16_t kCtrlMask = 2;
inline constexpr int16_t kAltMask = 4;

// The keys the colour field and the strip take, as key events report them.
inline constexpr int16_t kPageUpKeyCode = 33;
inline constexpr int16_t kPageDownKeyCode = 34;
inline constexpr int16_t kEndKeyCode = 35;
inline constexpr int16_t kHomeKeyCode = 36;
inline constexpr int16_t kLeftKeyCode = 37;
inline constexpr int16_t kUpKeyCode = 38;
inline constexpr int16_t kRightKeyCode = 39;
inline constexpr int16_t kDownKeyCode = 40;

// The colour model.
inline constexpr double kFullCircle = 360.0;       // degrees of hue
inline constexpr double kDegreesPerSector = 60.0;  // hue between two primaries' mixes
inline constexpr int kNibble = 16;                 // one hexadecimal digit's values
inline constexpr double kChannelMax = 255.0;       // the largest red, green or blue
inline constexpr double kPercent = 100.0;          // saturation and brightness fields
inline constexpr int32_t kColorNumberMax = 16777215;

// The picker surfaces: 256 positions per axis, position p at fraction
// p / kLastPosition of the way, inside a sunken border.
inline constexpr int kSurfaceSide = 256;
inline constexpr int kLastPixel = kSurfaceSide - 1;
inline constexpr double kLastPosition = kLastPixel;
inline constexpr int kSurfaceBorder = 2;

// The window is designed in pixels at this many dots per inch (100 %).
inline constexpr int kDesignDpi = 96;

// Window positions reported in twips take this fixed ratio, whatever the
// display's own.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace tintwell
