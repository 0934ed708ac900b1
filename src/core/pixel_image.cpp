#include "core/pixel_image.h"

#include <algorithm>
#include <cstring>

namespace tintwell {

PixelImage::PixelImage(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bits_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0u) {}

void PixelImage::fill(PackedColor color) {
  std::fill(bits_.begin(), bits_.end(), swapRedBlue(color));
}

void PixelImage::copyColumns(std::span<const ColumnCopy> copies) {
  std::vector<ColumnCopy> inside;  // copies from or to outside the image drop out
  for (const ColumnCopy& copy : copies) {
    if (copy.target >= 0 && copy.target < width_ && copy.source >= 0 && copy.source < width_) {
      inside.push_back(copy);
    }
  }
  for (int y = 0; y < height_; ++y) {
    uint32_t* row = bits_.data() + indexOf(0, y);
    for (const ColumnCopy& copy : inside) row[copy.target] = row[copy.source];
  }
}

void PixelImage::copyRect(int dstX, int dstY, int copyWidth, int copyHeight, int srcX, int srcY) {
  if (copyWidth <= 0 || copyHeight <= 0) return;
  // Work in 64 bits: callers may pass any int, and the sums must not overflow.
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = copyWidth;
  int64_t bottom = copyHeight;
  // Clip the copy (in offsets from its origin) to both source and destination.
  left = std::max({left, -static_cast<int64_t>(srcX), -static_cast<int64_t>(dstX)});
  top = std::max({top, -static_cast<int64_t>(srcY), -static_cast<int64_t>(dstY)});
  right =
      std::min({right, static_cast<int64_t>(width_) - srcX, static_cast<int64_t>(width_) - dstX});
  bottom = std::min(
      {bottom, static_cast<int64_t>(height_) - srcY, static_cast<int64_t>(height_) - dstY});
  if (left >= right || top >= bottom) return;

  const int64_t pixelsPerRow = right - left;
  auto rowStart = [&](int64_t x, int64_t y) {
    return bits_.data() + static_cast<size_t>(y * width_ + x);
  };
  // Copy rows in the order that never reads a row already overwritten.
  const bool bottomUp = dstY > srcY;
  const int64_t firstRow = bottomUp ? bottom - 1 : top;
  const int64_t rowStep = bottomUp ? -1 : 1;
  uint32_t* target = rowStart(dstX + left, dstY + firstRow);
  const uint32_t* source = rowStart(srcX + left, srcY + firstRow);
  const int64_t stride = rowStep * width_;
  if (pixelsPerRow == 1) {
    // A column copy, the matrix's commonest: a call per pixel would dominate.
    for (int64_t row = top; row < bottom; ++row, target += stride, source += stride) {
      *target = *source;
    }
    return;
  }
  const size_t rowBytes = static_cast<size_t>(pixelsPerRow) * sizeof(uint32_t);
  for (int64_t row = top; row < bottom; ++row, target += stride, source += stride) {
    std::memmove(target, source, rowBytes);
  }
}

}  // namespace tintwell
