#include "core/rounding.h"
#include "picker/picker_math.h"
#include "shell/frm_color.h"

namespace tintwell {

namespace {

float clampPosition(float position) {
  if (!(position >= 0.0f)) return 0.0f;  // NaN too
  if (position > static_cast<float>(kLastPixel)) return static_cast<float>(kLastPixel);
  return position;
}

int32_t clampRow(int64_t row) {
  if (row < 0) return 0;
  if (row > kLastPixel) return kLastPixel;
  return static_cast<int32_t>(row);
}

int16_t channelFrom(double fraction) {
  return nearestInt16(fraction * kChannelMax);
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

  const int32_t row =
      clampRow(static_cast<int64_t>(pointer.y) - imgVertical().top() - kSurfaceBorder);

  const int arrowTop = imgVertical().top() + row - kSurfaceBorder;
  imgArrowLeft().setTop(arrowTop);
  imgArrowRight().setTop(arrowTop);

  const double fromTop = 1.0 - row / kLastPosition;
  switch (iDim) {
    case kHue:
      dHue = fromTop * kFullCircle;
      break;
    case kSaturation:
      dSat = fromTop;
      break;
    case kBrightness:
      dVal = fromTop;
      break;
    case kRed:
      iRed = channelFrom(fromTop);
      convRGB2HSV(iRed, iGreen, iBlue);
      break;
    case kGreen:
      iGreen = channelFrom(fromTop);
      convRGB2HSV(iRed, iGreen, iBlue);
      break;
    default:
      iBlue = channelFrom(fromTop);
      convRGB2HSV(iRed, iGreen, iBlue);
      break;
  }
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

// Positions are divided in single precision, then used as doubles: this
// inverts the matrix's sample formulas exactly as the field was drawn.
void frmColor::imgMatrixClick(float x, float y, bool bDrawBig) {
  const float across = static_cast<float>(clampPosition(x) / kLastPosition);
  const float down = static_cast<float>(clampPosition(y) / kLastPosition);
  const double fromLeft = across;
  const double fromBottom = 1.0 - static_cast<double>(down);

  switch (iDim) {
    case kHue:
      dSat = fromLeft;
      dVal = fromBottom;
      break;
    case kSaturation:
      dHue = fromLeft * kFullCircle;
      dVal = fromBottom;
      break;
    case kBrightness:
      dHue = fromLeft * kFullCircle;
      dSat = fromBottom;
      break;
    case kRed:
      iBlue = channelFrom(fromLeft);
      iGreen = channelFrom(fromBottom);
      convRGB2HSV(iRed, iGreen, iBlue);
      break;
    case kGreen:
      iBlue = channelFrom(fromLeft);
      iRed = channelFrom(fromBottom);
      convRGB2HSV(iRed, iGreen, iBlue);
      break;
    default:
      iRed = channelFrom(fromLeft);
      iGreen = channelFrom(fromBottom);
      convRGB2HSV(iRed, iGreen, iBlue);
      break;
  }
  refreshInputs(kNoField);
  drawVertical();
  if (bDrawBig) drawMatrix(false);
}

}  // namespace tintwell
