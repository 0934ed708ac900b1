#pragma once

// The buffer the main window paints into before its one copy to the screen.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "win32/handles.h"

namespace tintwell::win32 {

// A memory device context over 32-bit top-down pixels of its own.
class BackBuffer {
 public:
  BackBuffer(HDC compatibleWith, int width, int height);

  bool holds(int width, int height) const {
    return pixels_ != nullptr && width <= width_ && height <= height_;
  }
  HDC dc() const { return dc_.get(); }
  uint32_t* pixels() const { return pixels_; }
  int width() const { return width_; }  // the pixels of a row
  int height() const { return height_; }

 private:
  MemoryDc dc_;
  uint32_t* pixels_ = nullptr;
  Bitmap bitmap_;
  std::optional<SelectedObject> selected_;  // put back before the bitmap goes
  int width_;
  int height_;
};

// The buffer of small paints (a moved strip arrow's column, a label), kept
// for the next one: making and freeing it cost more under Wine than what is
// drawn in it. A large paint (the whole window) makes its own and lets it go,
// so a window at rest holds no copy of itself.
class KeptBuffer {
 public:
  // The kept buffer, grown to hold the area if need be; nullptr for a large
  // paint.
  const BackBuffer* holding(HDC compatibleWith, int width, int height, int clientPixels);

 private:
  std::optional<BackBuffer> kept_;
};

}  // namespace tintwell::win32
