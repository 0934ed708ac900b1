#include "sampler/mod_color_capture.h"

namespace tintwell::modColorCapture {

PackedColor capturePixel(Platform& platform, int32_t x, int32_t y) {
  if (bCapturing) return 0;
  bCapturing = true;
  const PackedColor color = platform.readScreenPixel(x, y);
  bCapturing = false;
  return color;
}

}  // namespace tintwell::modColorCapture
