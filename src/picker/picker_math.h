#pragma once

// The pure arithmetic of the picker surfaces: what colour each strip row and
// matrix pixel shows, where the arrows and the marker sit, and what colour a
// press on a row or a point picks.

#include <array>
#include <cstdint>
#include <optional>

#include "core/color_state.h"
#include "core/packed_color.h"
#include "core/pixel_image.h"
#include "core/vocabulary.h"

namespace tintwell {

struct MatrixPoint {
  int16_t x = 0;
  int16_t y = 0;
};

// A position pulled onto a surface, into 0..kLastPixel; NaN goes to 0.
template <typename Position>
constexpr Position clampToSurface(Position position) {
  if (!(position >= 0)) return 0;
  return position > kLastPixel ? static_cast<Position>(kLastPixel) : position;
}

PackedColor stripRowColor(int16_t dimension, int row, const ColorState& color);
int16_t stripPosition(int16_t dimension, const ColorState& color);
// Sets the strip's dimension from a row in 0..kLastPixel.
void applyStripRow(int16_t dimension, int row, ColorState& color);

PackedColor matrixSampleColor(int16_t dimension, int x, int y, const ColorState& color);
MatrixPoint matrixMarkerPosition(int16_t dimension, const ColorState& color);
// Sets the matrix's two dimensions from a pointer position, clamped into the matrix.
void applyMatrixPoint(int16_t dimension, float x, float y, ColorState& color);

// The keys the colour field and the strip take while they have the focus.
enum class SurfaceKey { left, right, up, down, pageUp, pageDown, home, end };
std::optional<SurfaceKey> surfaceKeyOf(int16_t keyCode);

// A key moves the matrix point along one axis: that axis's dimension alone
// is set, as a press at the new position sets it.
enum class MatrixAxis { horizontal, vertical };
struct MatrixKeyStep {
  MatrixAxis axis = MatrixAxis::horizontal;
  int16_t position = 0;
};
inline constexpr int kKeyLeap = 16;  // positions a Ctrl+arrow or a page key moves
MatrixKeyStep matrixKeyStep(MatrixPoint from, SurfaceKey key, bool ctrl);
void applyMatrixAxis(int16_t dimension, MatrixAxis axis, int16_t position, ColorState& color);
// The strip row a key moves to from a row; rows grow downward.
int16_t stripKeyStep(int16_t row, SurfaceKey key);

// The matrix samples every step-th pixel; a quality out of range draws as High.
int samplingStep(int quality);
// The matrix drawn from a sample every step-th pixel each way: each sample
// fills its step x step block (cut at the edges).
void sampleMatrix(PixelImage& image, int16_t dimension, int step, const ColorState& color);

// The marker: a ring of radius 5 around its centre, four runs of five pixels,
// then the 3-4-5 diagonals.
struct RingOffset {
  int dx;
  int dy;
};
inline constexpr int kMarkerRadius = 5;
inline constexpr std::array<RingOffset, 28> kMarkerRing = {{
    {-2, -5}, {-2, 5},  {-5, -2}, {5, -2}, {-1, -5}, {-1, 5}, {-5, -1}, {5, -1}, {0, -5}, {0, 5},
    {-5, 0},  {5, 0},   {1, -5},  {1, 5},  {-5, 1},  {5, 1},  {2, -5},  {2, 5},  {-5, 2}, {5, 2},
    {-3, -4}, {-4, -3}, {3, -4},  {4, -3}, {-3, 4},  {-4, 3}, {3, 4},   {4, 3},
}};

// The marker is white over dark pixels and black over light ones.
PackedColor markerColorOver(PackedColor covered);

}  // namespace tintwell
