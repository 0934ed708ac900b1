#pragma once

// The pure arithmetic of the picker surfaces: what colour each strip row and
// matrix pixel shows, and where the arrows and the marker sit.

#include <cstdint>

#include "core/colour_state.h"
#include "core/packed_color.h"
#include "core/pixel_image.h"

namespace tintwell {

enum Dimension : int16_t { kHue = 0, kSaturation, kBrightness, kRed, kGreen, kBlue };

inline constexpr int kSurfaceSide = 256;  // strip height, matrix width and height
inline constexpr int kLastPixel = kSurfaceSide - 1;
inline constexpr int kSurfaceBorder = 2;  // the sunken border around each surface

struct MatrixPoint {
  int16_t x = 0;
  int16_t y = 0;
};

PackedColor stripRowColor(int16_t dimension, int row, const ColourState& colour);
int16_t stripPosition(int16_t dimension, const ColourState& colour);

PackedColor matrixSampleColor(int16_t dimension, int x, int y, const ColourState& colour);
MatrixPoint matrixMarkerPosition(int16_t dimension, const ColourState& colour);

// Every step-th column and row of the matrix set to its sample colour.
void sampleMatrix(PixelImage& image, int16_t dimension, int step, const ColourState& colour);

// The marker is white over dark pixels and black over light ones.
PackedColor markerColorOver(PackedColor covered);

}  // namespace tintwell
