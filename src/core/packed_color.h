#pragma once

#include <cstdint>

namespace tintwell {

// red + 256 * green + 65536 * blue, top byte 0: the layout GDI takes.
using PackedColor = uint32_t;

// What GDI's GetPixel returns for a point it cannot read.
inline constexpr PackedColor kInvalidColor = 0xFFFFFFFFu;

constexpr PackedColor packRgb(int red, int green, int blue) {
  return static_cast<PackedColor>(red) | (static_cast<PackedColor>(green) << 8) |
         (static_cast<PackedColor>(blue) << 16);
}
constexpr int redOf(PackedColor color) {
  return static_cast<int>(color & 0xFFu);
}
constexpr int greenOf(PackedColor color) {
  return static_cast<int>((color >> 8) & 0xFFu);
}
constexpr int blueOf(PackedColor color) {
  return static_cast<int>((color >> 16) & 0xFFu);
}

}  // namespace tintwell
