#pragma once

#include <cstdint>

#include "core/packed_color.h"
#include "shell/ports.h"

namespace tintwell::modColorCapture {

// True only while capturePixel runs.
inline bool bCapturing = false;

// The colour of one screen pixel; 0 when a read is already running.
PackedColor capturePixel(Platform& platform, int32_t x, int32_t y);

}  // namespace tintwell::modColorCapture
