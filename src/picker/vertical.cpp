#include "picker/picker_math.h"
#include "shell/frm_color.h"

namespace tintwell {

void frmColor::optDim_Click(int16_t index) {
  iDim = index;
  drawVertical();
  drawMatrix(true);
}

// One colour evaluation per row into column 0, then column copies: never one
// evaluation per pixel.
void frmColor::drawVertical() {
  PixelImage& strip = imgVertical().image();
  for (int row = 0; row < kSurfaceSide; ++row) {
    strip.setPixel(0, row, stripRowColor(iDim, row, *this));
  }
  iVerticalPos = stripPosition(iDim, *this);

  const int stripWidth = imgVertical().scaleWidth();
  for (int column = 1; column < stripWidth; ++column) {
    strip.copyRect(column, 0, 1, kSurfaceSide, 0, 0);
  }

  // The arrows are 9 pixels high: their middle row points at iVerticalPos.
  const int arrowTop = imgVertical().top() + iVerticalPos - kSurfaceBorder;
  imgArrowLeft().setTop(arrowTop);
  imgArrowRight().setTop(arrowTop);
  imgVertical().refresh();
}

}  // namespace tintwell
