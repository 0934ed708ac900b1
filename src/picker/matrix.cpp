#include "picker/picker_math.h"
#include "shell/frm_color.h"

namespace tintwell {

namespace {

void ringMarker(PixelImage& field, int32_t x, int32_t y) {
  const int centreX = clampToSurface(x);
  const int centreY = clampToSurface(y);
  const PackedColor color = markerColorOver(field.pixel(centreX, centreY));
  for (const RingOffset& offset : kMarkerRing) {
    field.setPixel(centreX + offset.dx, centreY + offset.dy, color);
  }
}

}  // namespace

void frmColor::drawMatrix(bool bMarker) {
  // The list always holds a selection here; were it ever empty, the field
  // draws at High rather than sampling every pixel.
  const int step = samplingStep(cmbQuality().listIndex());

  const MatrixPoint marker = matrixMarkerPosition(iDim, *this);
  iMatrixX = marker.x;
  iMatrixY = marker.y;
  const MatrixDrawing drawing{iDim, step, bMarker, *this};
  if (matrixDrawn_ == drawing) return;

  PixelImage& field = imgMatrix().image();
  sampleMatrix(field, iDim, step, *this);
  // One showing for the field and its ring together.
  if (bMarker) ringMarker(field, iMatrixX, iMatrixY);
  imgMatrix().refresh();
  matrixDrawn_ = drawing;
}

void frmColor::drawMatrixMarker(int32_t x, int32_t y) {
  matrixDrawn_.reset();
  ringMarker(imgMatrix().image(), x, y);
  imgMatrix().refresh();
}

}  // namespace tintwell
