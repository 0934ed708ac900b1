#pragma once

// Written by tools/pictures/make_pictures.py with pictures.rc: the scales in
// per cent. A scale's resource is the 100 % one's ID plus its index times the step.

#include <array>

namespace tintwell::win32 {

inline constexpr std::array<int, 7> kPictureScales = {100, 125, 150, 175, 200, 250, 300};
inline constexpr int kBitmapScaleIdStep = 20;
inline constexpr int kCursorScaleIdStep = 1;

}  // namespace tintwell::win32
