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
// drawn only when its rows change (the hue strip never does), and its rows
// are worked out only when what they come from changed (a sampler tick over
// one colour changes nothing).
void frmColor::drawVertical() {
  iVerticalPos = stripPosition(iDim, *this);
  const int arrowTop = layout::arrowTop(imgVertical().top(), iVerticalPos);
  picture(Control::imgArrowLeft).setTop(arrowTop);
  picture(Control::imgArrowRight).setTop(arrowTop);

  const StripDrawing drawing{iDim, *this};
  if (stripDrawnFrom_ == drawing) return;
  stripDrawnFrom_ = drawing;
  StripRows rows{};
  for (int row = 0; row < kSurfaceSide; ++row) {
    rows[static_cast<size_t>(row)] = stripRowColor(iDim, row, *this);
  }
  if (stripDrawn_ == rows) return;
  PixelImage& strip = imgVertical().image();
  for (int row = 0; row < kSurfaceSide; ++row) {
    strip.setPixel(0, row, rows[static_cast<size_t>(row)]);
  }
  const int stripWidth = imgVertical().scaleWidth();
  for (int column = 1; column < stripWidth; ++column) {
    strip.copyRect(column, 0, 1, kSurfaceSide, 0, 0);
  }
  imgVertical().refresh();
  stripDrawn_ = rows;
}

}  // namespace tintwell
