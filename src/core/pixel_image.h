#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/packed_color.h"

namespace tintwell {

// The persistent image of a drawing surface. Pixels are kept as a top-down
// 32-bit DIB stores them (blue in the low byte), so a surface is shown with
// one blit and no conversion; the interface speaks packed colours.
// Every operation clips at the edges as GDI clips a memory bitmap.
class PixelImage {
 public:
  PixelImage(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  void setPixel(int x, int y, PackedColor color) {
    if (contains(x, y)) bits_[indexOf(x, y)] = swapRedBlue(color);
  }
  PackedColor pixel(int x, int y) const {  // kInvalidColor outside the image
    return contains(x, y) ? swapRedBlue(bits_[indexOf(x, y)]) : kInvalidColor;
  }

  // BitBlt with SRCCOPY from this image onto itself; overlapping rectangles
  // copy as if through a temporary, as GDI does.
  void copyRect(int dstX, int dstY, int copyWidth, int copyHeight, int srcX, int srcY);

  // Row y from one sample every step-th pixel, each sample repeated over
  // the step pixels from its own (cut at the right edge).
  void setRowOfBlocks(int y, std::span<const PackedColor> samples, int step);

  void fill(PackedColor color);

  const uint32_t* dibBits() const { return bits_.data(); }

 private:
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  size_t indexOf(int x, int y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
  }
  // Packed colour (red low) and DIB pixel (blue low) differ by swapping the
  // outer bytes; the swap is its own inverse.
  static constexpr uint32_t swapRedBlue(uint32_t color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
  }

  int width_;
  int height_;
  std::vector<uint32_t> bits_;
};

}  // namespace tintwell
