#include <array>
#include <vector>

#include "picker/picker_math.h"
#include "shell/frm_color.h"

namespace tintwell {

namespace {

// Copies each sampled column (then row) onto the step - 1 pixels after it, so
// every pixel takes the colour of its block's top-left sample. The column
// copies only read sampled columns, so they are done together, row by row.
void fillBlocks(PixelImage& image, int step) {
  std::vector<PixelImage::ColumnCopy> columns;
  for (int first = 1; first + step - 2 <= kLastPixel; first += step) {
    for (int target = first; target <= first + step - 2; ++target) {
      columns.push_back({target, first - 1});
    }
  }
  image.copyColumns(columns);
  for (int first = 1; first + step - 2 <= kLastPixel; first += step) {
    for (int target = first; target <= first + step - 2; ++target) {
      image.copyRect(0, target, kSurfaceSide, 1, 0, first - 1);
    }
  }
}

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
  fillBlocks(field, step);
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
