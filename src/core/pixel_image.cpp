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

namespace {

// Each sample over kStep pixels; a step known when compiled lets the copies
// be unrolled and vectorized.
template <int kStep>
void repeatEach(std::span<const PackedColor> samples, uint32_t* row,
                uint32_t (*toPixel)(uint32_t)) {
  for (const PackedColor sample : samples) {
    const uint32_t pixel = toPixel(sample);
    for (int copy = 0; copy < kStep; ++copy) *row++ = pixel;
  }
}

}  // namespace

void PixelImage::setRowOfBlocks(int y, std::span<const PackedColor> samples, int step) {
  if (y < 0 || y >= height_ || step <= 0) return;
  uint32_t* const row = bits_.data() + indexOf(0, y);
  // The blocks that fit whole, then what is left of the row.
  const size_t whole = std::min(samples.size(), static_cast<size_t>(width_ / step));
  switch (step) {
    case 2:
      repeatEach<2>(samples.first(whole), row, swapRedBlue);
      break;
    case 3:
      repeatEach<3>(samples.first(whole), row, swapRedBlue);
      break;
    case 4:
      repeatEach<4>(samples.first(whole), row, swapRedBlue);
      break;
    default:
      for (size_t block = 0; block < whole; ++block) {
        std::fill_n(row + block * static_cast<size_t>(step), step, swapRedBlue(samples[block]));
      }
      break;
  }
  const int rest = width_ - static_cast<int>(whole) * step;
  if (whole < samples.size() && rest > 0) {
    std::fill_n(row + (width_ - rest), rest, swapRedBlue(samples[whole]));
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
