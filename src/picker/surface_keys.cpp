#include "picker/picker_math.h"
#include "shell/frm_color.h"

namespace tintwell {

// The point starts where the marker shows the colour, not where a drag last
// left iMatrixX and iMatrixY; the other axis's dimension is kept exactly.
void frmColor::imgMatrix_KeyDown(int16_t& keyCode, int16_t shift) {
  const std::optional<SurfaceKey> key = surfaceKeyOf(keyCode);
  if (!key) return;
  const MatrixKeyStep step =
      matrixKeyStep(matrixMarkerPosition(iDim, *this), *key, (shift & kCtrlMask) != 0);
  applyMatrixAxis(iDim, step.axis, step.position, *this);
  refreshInputs(kNoField);
  drawVertical();
  drawMatrix(true);
}

// The row starts where the arrows point for the colour, not at iVerticalPos.
void frmColor::imgVertical_KeyDown(int16_t& keyCode, int16_t) {
  const std::optional<SurfaceKey> key = surfaceKeyOf(keyCode);
  if (!key) return;
  stripRowStep(stripKeyStep(stripPosition(iDim, *this), *key));
}

}  // namespace tintwell
