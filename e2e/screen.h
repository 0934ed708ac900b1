#pragma once

// Pixels as they reached the screen, read back through GDI.

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace tintwell::e2e {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& color);
// Six lower-case hex digits, red first, as the hex field shows a colour.
std::string hexText(const Rgb& color);

class Screenshot {
 public:
  // The screen inside the rectangle, in screen coordinates.
  static Screenshot capture(const RECT& area);
  // A window's client area; pixel (0, 0) is the client area's top-left.
  static Screenshot ofClientArea(HWND window);

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Rgb pixel(int x, int y) const;
  bool operator==(const Screenshot&) const = default;
  // A 32-bit top-down BMP, which any image viewer opens.
  bool saveBmp(const std::filesystem::path& file) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;  // 0x00RRGGBB, row after row from the top
};

}  // namespace tintwell::e2e
