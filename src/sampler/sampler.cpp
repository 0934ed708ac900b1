#include "sampler/mod_color_capture.h"
#include "sampler/sampling.h"
#include "shell/frm_color.h"

namespace tintwell {

// The key is left as it came, so it still reaches the focused control.
void frmColor::Form_KeyDown(int16_t& keyCode, int16_t) {
  if (keyCode != kShiftKeyCode) return;
  tmSampler().setEnabled(true);
  bSampling = true;
}

void frmColor::Form_KeyUp(int16_t&, int16_t) {
  tmSampler().setEnabled(false);
  bSampling = false;
}

// No comparison with the last tick here: the fields and surfaces each skip
// a drawing that would change nothing.
void frmColor::tmSampler_Timer() {
  if (!bSampling) return;
  platform().getCursorPos(modColor::ptMouse);
  const PackedColor color =
      modColorCapture::capturePixel(platform(), modColor::ptMouse.x, modColor::ptMouse.y);
  // An unreadable pixel (all bits set) splits into white.
  convRGB2HSV(redOf(color), greenOf(color), blueOf(color));
  refreshInputs(kNoField);
  drawVertical();
  drawMatrix(true);
}

}  // namespace tintwell
