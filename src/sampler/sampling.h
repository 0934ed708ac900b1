#pragma once

#include <cstdint>

namespace tintwell {

// True from a SHIFT key-down until the next key-up of any key.
inline bool bSampling = false;

inline constexpr int16_t kShiftKeyCode = 16;

}  // namespace tintwell
