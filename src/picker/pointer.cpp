#include "core/rounding.h"
#include "picker/picker_math.h"
#include "shell/frm_color.h"

namespace tintwell {

namespace {

int32_t clampRow(int64_t row) {
  if (row < 0) return 0;
  if (row > kLastPixel) return kLastPixel;
  return static_cast<int32_t>(row);
}

}  // namespace

// The strip works from the pointer's screen position, so a drag keeps
// tracking above, below and beside the strip.
void frmColor::imgVertical_MouseDown(int16_t, int16_t, float, float) {
  bVerticalDrag = true;
  verticalStep();
}

void frmColor::imgVertical_MouseMove(int16_t, int16_t, float, float) {
  if (bVerticalDrag) verticalStep();
}

void frmColor::imgVertical_MouseUp(int16_t, int16_t, float, float) {
  bVerticalDrag = false;
}

void frmColor::verticalStep() {
  Point& pointer = modColor::ptMouse;
  platform().getCursorPos(pointer);
  form().screenToClient(pointer);

  stripRowStep(clampRow(static_cast<int64_t>(pointer.y) - imgVertical().top() - kSurfaceBorder));
}

void frmColor::stripRowStep(int32_t row) {
  const int arrowTop = layout::arrowTop(imgVertical().top(), row);
  picture(Control::imgArrowLeft).setTop(arrowTop);
  picture(Control::imgArrowRight).setTop(arrowTop);

  applyStripRow(iDim, row, *this);
  refreshInputs(kNoField);
  drawMatrix(true);
}

// A quick click's release queues behind its press and runs inside it, when
// the refresh lets pending events through; the press then rebuilds the field
// over the ring the release drew. The ring is drawn again at the release
// point, so a quick click leaves its marker as a slow one does.
void frmColor::imgMatrix_MouseDown(int16_t, int16_t, float x, float y) {
  bMatrixDrag = true;
  ++matrixPressDepth_;
  releaseDuringPress_.reset();
  imgMatrixClick(x, y, true);
  --matrixPressDepth_;
  if (releaseDuringPress_) {
    const Point release = *releaseDuringPress_;
    releaseDuringPress_.reset();
    drawMatrixMarker(release.x, release.y);
  }
}

void frmColor::imgMatrix_MouseMove(int16_t, int16_t, float x, float y) {
  if (bMatrixDrag) imgMatrixClick(x, y, false);
}

// The release only rings the point; the colour stays as the last move left it.
void frmColor::imgMatrix_MouseUp(int16_t, int16_t, float x, float y) {
  bMatrixDrag = false;
  const Point release{nearestInt32(x), nearestInt32(y)};
  if (matrixPressDepth_ > 0) releaseDuringPress_ = release;
  drawMatrixMarker(release.x, release.y);
}

void frmColor::imgMatrixClick(float x, float y, bool bDrawBig) {
  applyMatrixPoint(iDim, x, y, *this);
  refreshInputs(kNoField);
  drawVertical();
  if (bDrawBig) drawMatrix(false);
}

}  // namespace tintwell
