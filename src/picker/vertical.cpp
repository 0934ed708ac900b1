#include "picker/picker_math.h"
#include "shell/frm_color.h"

namespace tintwell {

void frmColor::optDim_Click(int16_t index) {
  iDim = index;
  drawVertical();
  drawMatrix(true);
}

// One colour evaluation per row into column 0, then column copies: never one
// evaluation per pixel. The arrows are put in place every time; the strip is
// drawn only when what it shows can differ from what it was drawn from.
void frmColor::drawVertical() {
  iVerticalPos = stripPosition(iDim, *this);
  // The arrows are 9 pixels high: their middle row points at iVerticalPos.
  const int arrowTop = imgVertical().top() + iVerticalPos - kSurfaceBorder;
  imgArrowLeft().setTop(arrowTop);
  imgArrowRight().setTop(arrowTop);

  const StripDrawing drawing{iDim, *this};
  if (stripDrawn_ == drawing) return;
  PixelImage& strip = imgVertical().image();
  for (int row = 0; row < kSurfaceSide; ++row) {
    strip.setPixel(0, row, stripRowColor(iDim, row, *this));
  }
  const int stripWidth = imgVertical().scaleWidth();
  for (int column = 1; column < stripWidth; ++column) {
    strip.copyRect(column, 0, 1, kSurfaceSide, 0, 0);
  }
  imgVertical().refresh();
  stripDrawn_ = drawing;
}

}  // namespace tintwell
