#include "win32/back_buffer.h"

#include <algorithm>

#include "win32/surface.h"

namespace tintwell::win32 {

namespace {

// A paint up to this share of the client area keeps its buffer.
constexpr int kKeptShareDivisor = 8;

}  // namespace

BackBuffer::BackBuffer(HDC compatibleWith, int width, int height)
    : dc_(compatibleWith), width_(width), height_(height) {
  // Pixels of our own rather than a bitmap like the screen's: selecting one
  // of those asks the system for the display's depth every time, three
  // round trips to the window server under Wine.
  const BITMAPINFO format = topDownPixels(width, height);
  void* pixels = nullptr;
  bitmap_ = Bitmap(CreateDIBSection(dc_.get(), &format, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (bitmap_.get() == nullptr) return;
  pixels_ = static_cast<uint32_t*>(pixels);
  selected_.emplace(dc_.get(), bitmap_.get());
}

const BackBuffer* KeptBuffer::holding(HDC compatibleWith, int width, int height, int clientPixels) {
  const int smallest = clientPixels / kKeptShareDivisor;
  if (width * height > smallest) return nullptr;
  if (kept_ && kept_->holds(width, height)) return &*kept_;
  // Grown to hold the last one too, while that stays small.
  int keptWidth = width;
  int keptHeight = height;
  if (kept_ && std::max(width, kept_->width()) * std::max(height, kept_->height()) <= smallest) {
    keptWidth = std::max(width, kept_->width());
    keptHeight = std::max(height, kept_->height());
  }
  kept_.reset();
  return &kept_.emplace(compatibleWith, keptWidth, keptHeight);
}

}  // namespace tintwell::win32
