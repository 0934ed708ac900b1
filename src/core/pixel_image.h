#pragma once

#include <cstdint>
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

  void setPixel(int x, int y, PackedColor color);
  PackedColor pixel(int x, int y) const;  // kInvalidColor outside the image

  // BitBlt with SRCCOPY from this image onto itself; overlapping rectangles
  // copy as if through a temporary, as GDI does.
  void copyRect(int dstX, int dstY, int copyWidth, int copyHeight, int srcX, int srcY);

  void fill(PackedColor color);

  const uint32_t* dibBits() const { return bits_.data(); }

 private:
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  int width_;
  int height_;
  std::vector<uint32_t> bits_;
};

}  // namespace tintwell
