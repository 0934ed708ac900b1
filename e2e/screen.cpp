#include "screen.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "win32/handles.h"

namespace tintwell::e2e {

namespace {

constexpr WORD kBitsPerPixel = 32;
constexpr WORD kBmpSignature = 0x4D42;  // "BM"
constexpr int kRedShift = 16;
constexpr int kGreenShift = 8;
constexpr uint32_t kChannelMask = 0xFF;
constexpr uint32_t kOpaque = 0xFF000000;

template <typename Value>
void writeRaw(std::ofstream& out, const Value& value) {
  out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

BITMAPINFOHEADER topDownHeader(int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;  // negative: the first row is the top one
  header.biPlanes = 1;
  header.biBitCount = kBitsPerPixel;
  header.biCompression = BI_RGB;
  return header;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rgb& color) {
  return out << "RGB(" << int{color.red} << ", " << int{color.green} << ", " << int{color.blue}
             << ")";
}

std::string hexText(const Rgb& color) {
  constexpr size_t kDigits = 7;  // six and the terminator
  char text[kDigits];
  std::snprintf(text, sizeof text, "%02x%02x%02x", color.red, color.green, color.blue);
  return text;
}

Screenshot Screenshot::capture(const RECT& area) {
  Screenshot shot;
  shot.width_ = std::max(0, static_cast<int>(area.right - area.left));
  shot.height_ = std::max(0, static_cast<int>(area.bottom - area.top));
  if (shot.width_ == 0 || shot.height_ == 0) return shot;

  const win32::WindowDc screen(nullptr, win32::WindowDc::Area::client);
  const win32::MemoryDc memory(screen.get());
  BITMAPINFO info{};
  info.bmiHeader = topDownHeader(shot.width_, shot.height_);
  void* bits = nullptr;
  const win32::Bitmap bitmap(
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (memory.get() == nullptr || !bitmap || bits == nullptr) return Screenshot{};
  {
    const win32::SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, shot.width_, shot.height_, screen.get(), area.left, area.top,
           SRCCOPY | CAPTUREBLT);
    GdiFlush();
  }
  const auto* first = static_cast<const uint32_t*>(bits);
  shot.pixels_.assign(first, first + static_cast<size_t>(shot.width_) * shot.height_);
  return shot;
}

Screenshot Screenshot::ofClientArea(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  return capture(client);
}

Rgb Screenshot::pixel(int x, int y) const {
  if (!contains(x, y)) return {};
  const uint32_t value = pixels_[static_cast<size_t>(y) * width_ + x];
  return {static_cast<uint8_t>((value >> kRedShift) & kChannelMask),
          static_cast<uint8_t>((value >> kGreenShift) & kChannelMask),
          static_cast<uint8_t>(value & kChannelMask)};
}

bool Screenshot::saveBmp(const std::filesystem::path& file) const {
  if (pixels_.empty()) return false;
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);
  std::ofstream out(file, std::ios::binary);
  const BITMAPINFOHEADER info = topDownHeader(width_, height_);
  const DWORD pixelBytes = static_cast<DWORD>(pixels_.size() * sizeof(uint32_t));
  BITMAPFILEHEADER header{};
  header.bfType = kBmpSignature;
  header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  header.bfSize = header.bfOffBits + pixelBytes;
  writeRaw(out, header);
  writeRaw(out, info);
  // Some viewers read the fourth byte as opacity; the screen has none.
  for (const uint32_t pixel : pixels_) writeRaw(out, pixel | kOpaque);
  return static_cast<bool>(out);
}

}  // namespace tintwell::e2e
