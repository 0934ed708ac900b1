#include <gtest/gtest.h>

#include "core/mod_color.h"
#include "fakes/headless_window.h"
#include "picker/picker_math.h"
#include "sampler/sampling.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;

constexpr int kStripTop = 88;
constexpr Point kClientOrigin{500, 300};
constexpr int16_t kLeft = 1, kRight = 2, kMiddle = 4;

// Puts the pointer over strip row `row` (may lie outside the strip).
void pointAtStripRow(HeadlessWindow& window, int row, int x = 290) {
  window.platform.cursor = {kClientOrigin.x + x, kClientOrigin.y + kStripTop + 2 + row};
}

HeadlessWindow& started(HeadlessWindow& window) {
  window.window.clientOrigin = kClientOrigin;
  window.start();
  return window;
}

TEST(StripDrag, RowsSetTheSelectedDimension) {
  struct Row {
    const char* name;
    int16_t dimension;
    int row;
    double hue, saturation, value;
  };
  const Row rows[] = {
      {"hue, top row", 0, 0, 360, 1, 1},
      {"hue, bottom row", 0, 255, 0, 1, 1},
      {"hue, above the strip holds row 0", 0, -40, 360, 1, 1},
      {"hue, below the strip holds row 255", 0, 900, 0, 1, 1},
      {"saturation, middle", 1, 51, 360, 1 - 51 / 255.0, 1},
      {"brightness, bottom", 2, 255, 360, 1, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    started(window).form.optDim_Click(row.dimension);
    pointAtStripRow(window, row.row);
    window.form.imgVertical_MouseDown(kLeft, 0, 0, 0);
    EXPECT_DOUBLE_EQ(window.form.dHue, row.hue);
    EXPECT_DOUBLE_EQ(window.form.dSat, row.saturation);
    EXPECT_DOUBLE_EQ(window.form.dVal, row.value);
    const int clampedRow = row.row < 0 ? 0 : (row.row > 255 ? 255 : row.row);
    EXPECT_EQ(window.picture(layout::Control::imgArrowLeft).top(), kStripTop + clampedRow - 2);
  }
}

TEST(StripDrag, RedModeRoundsTheChannelAndConvertsToHsv) {
  HeadlessWindow window;
  started(window).form.optDim_Click(3);
  pointAtStripRow(window, 100, -500);  // far left of the strip: only the row counts
  window.form.imgVertical_MouseDown(kRight, 0, 0, 0);
  EXPECT_EQ(window.form.iRed, 155);
  EXPECT_EQ(window.fields[3]->text(), "155");
  EXPECT_DOUBLE_EQ(window.form.dVal, 155 / 255.0);
}

TEST(StripDrag, MovesFollowOnlyWhileTheButtonIsHeldAndNeverRedrawTheStrip) {
  HeadlessWindow window;
  started(window);
  pointAtStripRow(window, 10);
  window.form.imgVertical_MouseMove(0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(window.form.dHue, 360);  // no button: nothing

  window.form.imgVertical_MouseDown(kMiddle, 0, 0, 0);
  const int stripRefreshes = window.imgVertical.refreshCount;
  const int matrixRefreshes = window.imgMatrix.refreshCount;
  pointAtStripRow(window, 128);
  window.form.imgVertical_MouseMove(kMiddle, 0, 0, 0);
  EXPECT_DOUBLE_EQ(window.form.dHue, (1 - 128 / 255.0) * 360);
  EXPECT_EQ(window.imgVertical.refreshCount, stripRefreshes);
  EXPECT_GT(window.imgMatrix.refreshCount, matrixRefreshes);
  EXPECT_EQ(window.fields[0]->text(), "179");

  window.form.imgVertical_MouseUp(kMiddle, 0, 0, 0);
  EXPECT_FALSE(window.form.bVerticalDrag);
  pointAtStripRow(window, 200);
  window.form.imgVertical_MouseMove(0, 0, 0, 0);
  EXPECT_DOUBLE_EQ(window.form.dHue, (1 - 128 / 255.0) * 360);
}

TEST(MatrixClick, PositionsSetTheOtherTwoDimensionsInSinglePrecision) {
  const float half = 128.0f / 255.0f;  // 0.50196081...
  struct Row {
    const char* name;
    int16_t dimension;
    float x, y;
    double hue, saturation, value;
  };
  const Row rows[] = {
      {"hue mode, centre", 0, 128, 128, 360, half, 1.0 - static_cast<double>(half)},
      {"hue mode, clamped beyond the edges", 0, 300, -20, 360, 1, 1},
      {"saturation mode, right edge is hue 360", 1, 255, 0, 360, 1, 1},
      {"brightness mode, right edge is hue 360", 2, 255, 255, 360, 0, 1},
      {"brightness mode, left edge is hue 0", 2, -5, 0, 0, 1, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    started(window).form.iDim = row.dimension;
    window.form.imgMatrix_MouseDown(kLeft, 0, row.x, row.y);
    EXPECT_EQ(window.form.dHue, row.hue);
    EXPECT_EQ(window.form.dSat, row.saturation);
    EXPECT_EQ(window.form.dVal, row.value);
  }
}

// The platform delivers whole pixels, 256 of them once clamped: dividing
// singles gives each one the double quotient rounded to single precision.
TEST(MatrixClick, EveryWholePositionIsItsDoubleQuotientHeldInSinglePrecision) {
  for (int position = 0; position < kSurfaceSide; ++position) {
    SCOPED_TRACE(position);
    ColorState picked;
    applyMatrixPoint(kHue, static_cast<float>(position), static_cast<float>(position), picked);
    const double held = static_cast<float>(position / kLastPosition);
    ASSERT_EQ(picked.dSat, held);
    ASSERT_EQ(picked.dVal, 1.0 - held);
  }
}

TEST(MatrixClick, RgbModesSetTwoChannels) {
  HeadlessWindow window;
  started(window).form.optDim_Click(5);  // blue mode: x is red, y is green
  window.form.imgMatrix_MouseDown(kLeft, 0, 64, 200);
  EXPECT_EQ(window.fields[3]->text(), "64");
  EXPECT_EQ(window.fields[4]->text(), "55");
  EXPECT_EQ(window.fields[5]->text(), "0");
}

TEST(MatrixDrag, PressRedrawsWithoutMarkerDragRedrawsNothingReleaseRingsThePoint) {
  HeadlessWindow window;
  started(window);
  const PixelImage& field = window.imgMatrix.image();

  window.form.imgMatrix_MouseDown(kLeft, 0, 100, 100);
  EXPECT_TRUE(window.form.bMatrixDrag);
  const PixelImage afterPress = field;
  const PackedColor sampleOnOldRing = convHSV2RGB(360, 250 / 255.0, 1);
  EXPECT_EQ(field.pixel(250, 0), sampleOnOldRing);  // the start-up ring is gone

  const int matrixRefreshes = window.imgMatrix.refreshCount;
  const int stripRefreshes = window.imgVertical.refreshCount;
  window.form.imgMatrix_MouseMove(kLeft, 0, 150, -30);
  EXPECT_EQ(window.imgMatrix.refreshCount, matrixRefreshes);
  EXPECT_EQ(window.imgVertical.refreshCount, stripRefreshes);  // the hue strip stays as it is
  EXPECT_EQ(window.fields[2]->text(), "100");
  EXPECT_EQ(window.fields[1]->text(), "59");

  window.form.imgMatrix_MouseUp(kLeft, 0, 150.5f, -30);
  EXPECT_FALSE(window.form.bMatrixDrag);
  EXPECT_EQ(window.fields[1]->text(), "59");  // the release moves no colour
  int changed = 0;
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) changed += field.pixel(x, y) != afterPress.pixel(x, y);
  }
  // One ring, centred on the rounded release point (150, clamped 0): 15 pixels inside.
  EXPECT_EQ(changed, 15);
  EXPECT_NE(field.pixel(150, 5), afterPress.pixel(150, 5));
}

// Regression: the release of a quick click runs inside its press, whose
// redraw then wiped the ring; exactly one ring must stay, at the release point.
TEST(MatrixDrag, AQuickClickLeavesOneMarkerAtTheReleasePoint) {
  HeadlessWindow window;
  started(window);
  HeadlessWindow unmarked;  // the same press alone, to see what the ring changed
  started(unmarked).form.imgMatrix_MouseDown(kLeft, 0, 90, 120);

  window.window.post([&] { window.form.imgMatrix_MouseUp(kLeft, 0, 90, 120); });
  window.form.imgMatrix_MouseDown(kLeft, 0, 90, 120);
  EXPECT_FALSE(window.form.bMatrixDrag);
  int changed = 0;
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      changed += window.imgMatrix.image().pixel(x, y) != unmarked.imgMatrix.image().pixel(x, y);
    }
  }
  EXPECT_EQ(changed, 28);
  EXPECT_NE(window.imgMatrix.image().pixel(90, 115), unmarked.imgMatrix.image().pixel(90, 115));
}

TEST(MatrixDrag, MovesWithoutAPressDoNothing) {
  HeadlessWindow window;
  started(window);
  window.form.imgMatrix_MouseMove(0, 0, 10, 10);
  EXPECT_EQ(window.fields[1]->text(), "100");
}

// The keys on a focused surface, each against the colour model: the matrix
// sets only the moved axis's dimension as a press there would, the strip
// applies its row as a press on it would.
ColorState hsv(double hue, double saturation, double value) {
  ColorState color;
  color.dHue = hue;
  color.dSat = saturation;
  color.dVal = value;
  return color;
}

ColorState fromRgb(double hueBefore, int red, int green, int blue) {
  ColorState color = hsv(hueBefore, 0, 0);
  color.convRGB2HSV(red, green, blue);
  return color;
}

double across(float position) {
  return position / 255.0f;
}

double down(float position) {
  return 1.0 - static_cast<double>(position / 255.0f);
}

double stripRow(int row) {
  return 1.0 - row / 255.0;
}

// A drag leaves iMatrixX and iVerticalPos behind the colour.
void dragMatrixAway(HeadlessWindow& window) {
  window.form.imgMatrix_MouseDown(kLeft, 0, 10, 10);
  window.form.imgMatrix_MouseMove(kLeft, 0, 100, 100);
  window.form.imgMatrix_MouseUp(kLeft, 0, 100, 100);
}

void dragStripAway(HeadlessWindow& window) {
  pointAtStripRow(window, 50);
  window.form.imgVertical_MouseDown(kLeft, 0, 0, 0);
  window.form.imgVertical_MouseUp(kLeft, 0, 0, 0);
}

TEST(SurfaceKeys, MoveOneDimensionFromWhereTheColourIsShown) {
  using layout::Control;
  constexpr int kUnchecked = -1;
  constexpr int16_t kTabKeyCode = 9;
  struct Row {
    const char* name;
    int16_t dimension;
    ColorState start;
    Control surface;
    int16_t keyCode;
    int16_t shift;
    ColorState expected;
    int arrowRow = kUnchecked;
    bool buttonHeld = false;
    void (*prepare)(HeadlessWindow&) = nullptr;
  };
  const ColorState red = hsv(360, 1, 1);
  const ColorState teal = hsv(200, 0.5, 0.5);
  const Row rows[] = {
      {"hue mode: Left from the corner", kHue, red, Control::imgMatrix, kLeftKeyCode, 0,
       hsv(360, across(254), 1)},
      {"hue mode: Up at the top edge holds", kHue, red, Control::imgMatrix, kUpKeyCode, 0, red},
      {"hue mode: Ctrl+Down leaps", kHue, red, Control::imgMatrix, kDownKeyCode, kCtrlMask,
       hsv(360, 1, down(16))},
      {"hue mode: Page Down leaps", kHue, red, Control::imgMatrix, kPageDownKeyCode, 0,
       hsv(360, 1, down(16))},
      {"hue mode: Ctrl+Right clamps", kHue, hsv(360, 0.99, 1), Control::imgMatrix, kRightKeyCode,
       kCtrlMask, red},
      {"hue mode: Home", kHue, red, Control::imgMatrix, kHomeKeyCode, 0, hsv(360, 0, 1)},
      {"hue mode: from the marker, not where a drag left iMatrixX", kHue, red, Control::imgMatrix,
       kRightKeyCode, 0, hsv(360, across(101), down(100)), kUnchecked, false, dragMatrixAway},
      {"saturation mode: Up never nudges the hue", kSaturation, teal, Control::imgMatrix,
       kUpKeyCode, 0, hsv(200, 0.5, down(127))},
      {"brightness mode: End", kBrightness, teal, Control::imgMatrix, kEndKeyCode, 0,
       hsv(360, 0.5, 0.5)},
      {"brightness mode: Page Up", kBrightness, teal, Control::imgMatrix, kPageUpKeyCode, 0,
       hsv(200, down(112), 0.5)},
      {"red mode: Right sets blue alone", kRed, red, Control::imgMatrix, kRightKeyCode, 0,
       fromRgb(360, 255, 0, 1)},
      {"green mode: Page Up from black", kGreen, hsv(0, 0, 0), Control::imgMatrix, kPageUpKeyCode,
       0, fromRgb(0, 16, 0, 0)},
      {"blue mode: Left at the edge holds", kBlue, hsv(120, 1, 1), Control::imgMatrix, kLeftKeyCode,
       0, fromRgb(120, 0, 255, 0)},
      {"hue strip: Up at the top holds", kHue, red, Control::imgVertical, kUpKeyCode, 0, red, 0},
      {"hue strip: Down", kHue, red, Control::imgVertical, kDownKeyCode, 0,
       hsv(stripRow(1) * 360, 1, 1), 1},
      {"hue strip: Left is Down", kHue, red, Control::imgVertical, kLeftKeyCode, 0,
       hsv(stripRow(1) * 360, 1, 1), 1},
      {"hue strip: Right from the bottom", kHue, hsv(0, 1, 1), Control::imgVertical, kRightKeyCode,
       0, hsv(stripRow(254) * 360, 1, 1), 254},
      {"hue strip: from the arrows' row, not iVerticalPos", kHue, red, Control::imgVertical,
       kDownKeyCode, 0, hsv(stripRow(51) * 360, 1, 1), 51, false, dragStripAway},
      {"saturation strip: Page Down", kSaturation, red, Control::imgVertical, kPageDownKeyCode, 0,
       hsv(360, stripRow(16), 1), 16},
      {"brightness strip: End", kBrightness, red, Control::imgVertical, kEndKeyCode, 0,
       hsv(360, 1, 0), 255},
      {"red strip: Home", kRed, hsv(120, 1, 1), Control::imgVertical, kHomeKeyCode, 0,
       fromRgb(120, 255, 255, 0), 0},
      {"blue strip: Page Up from the bottom", kBlue, red, Control::imgVertical, kPageUpKeyCode, 0,
       fromRgb(360, 255, 0, 16), 239},
      {"Shift+Left is the sampler's", kHue, red, Control::imgMatrix, kLeftKeyCode, kShiftMask, red},
      {"an arrow during a drag is the drag's", kHue, red, Control::imgVertical, kDownKeyCode, 0,
       red, kUnchecked, true},
      {"Tab is not the field's", kHue, red, Control::imgMatrix, kTabKeyCode, 0, red},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    started(window).form.optDim_Click(row.dimension);
    window.showColor(row.start.dHue, row.start.dSat, row.start.dVal);
    if (row.prepare != nullptr) row.prepare(window);
    if ((row.shift & kShiftMask) != 0) window.surfaceKeyDown(row.surface, kShiftKeyCode, row.shift);
    window.surfaceKeyDown(row.surface, row.keyCode, row.shift, row.buttonHeld);
    EXPECT_EQ(window.form.dHue, row.expected.dHue);
    EXPECT_EQ(window.form.dSat, row.expected.dSat);
    EXPECT_EQ(window.form.dVal, row.expected.dVal);
    const auto shown =
        static_cast<int32_t>(convHSV2RGB(row.expected.dHue, row.expected.dSat, row.expected.dVal));
    EXPECT_EQ(window.form.lCurColor, shown);
    if (row.arrowRow != kUnchecked) {
      EXPECT_EQ(window.picture(Control::imgArrowLeft).top(), kStripTop + row.arrowRow - 2);
    }
    EXPECT_EQ(bSampling, (row.shift & kShiftMask) != 0);
    window.keyUp(row.keyCode);
    EXPECT_FALSE(bSampling);
  }
}

}  // namespace
}  // namespace tintwell
