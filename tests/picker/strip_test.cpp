#include <gtest/gtest.h>

#include "core/mod_color.h"
#include "fakes/headless_window.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;

constexpr int kStripTop = 88;

// The row colours as the window's documentation states them, written out
// independently of the drawing code.
PackedColor expectedRow(int dimension, int row, const ColorState& c) {
  switch (dimension) {
    case 0:
      return convHSV2RGB((255 - row) / 255.0 * 360, 1, 1);
    case 1:
      return convHSV2RGB(c.dHue, 1 - row / 255.0, c.dVal);
    case 2:
      return convHSV2RGB(c.dHue, c.dSat, 1 - row / 255.0);
    case 3:
      return packRgb(255 - row, c.iGreen, c.iBlue);
    case 4:
      return packRgb(c.iRed, 255 - row, c.iBlue);
    default:
      return packRgb(c.iRed, c.iGreen, 255 - row);
  }
}

TEST(Strip, EveryRowIsOneSolidColorInEachDimension) {
  HeadlessWindow window;
  window.start();
  window.showColor(200, 0.4, 0.7);
  for (int16_t dimension = 0; dimension < 6; ++dimension) {
    SCOPED_TRACE(dimension);
    window.form.optDim_Click(dimension);
    const PixelImage& strip = window.imgVertical.image();
    ASSERT_EQ(strip.width(), 21);
    ASSERT_EQ(strip.height(), 256);
    for (int row = 0; row < 256; ++row) {
      const PackedColor expected = expectedRow(dimension, row, window.form);
      for (int column = 0; column < strip.width(); ++column) {
        ASSERT_EQ(strip.pixel(column, row), expected) << "row " << row << " column " << column;
      }
    }
  }
}

TEST(Strip, HueStripIsRedAtBothEndsWhateverTheColor) {
  HeadlessWindow window;
  window.start();
  window.showColor(120, 0.2, 0.3);
  window.form.drawVertical();
  EXPECT_EQ(window.imgVertical.image().pixel(0, 0), packRgb(255, 0, 0));
  EXPECT_EQ(window.imgVertical.image().pixel(20, 255), packRgb(255, 0, 0));
}

TEST(Strip, SaturationStripOfAGreyStillShowsTheFullRange) {
  HeadlessWindow window;
  window.start();
  window.showColor(120, 0, 0.5);
  window.form.optDim_Click(1);
  EXPECT_EQ(window.imgVertical.image().pixel(0, 0), packRgb(0, 128, 0));
  EXPECT_EQ(window.imgVertical.image().pixel(0, 255), packRgb(128, 128, 128));
  window.showColor(120, 0, 0);
  window.form.drawVertical();
  EXPECT_EQ(window.imgVertical.image().pixel(0, 0), packRgb(0, 0, 0));
}

struct ArrowRow {
  const char* name;
  int16_t dimension;
  double hue, saturation, value;
  int16_t position;
};

TEST(Strip, ArrowsPointAtTheCurrentValue) {
  const ArrowRow rows[] = {
      {"hue 0 at the bottom", 0, 0, 1, 1, 255},
      {"hue 360 at the top", 0, 360, 1, 1, 0},
      {"hue 180: 127.5 goes to even 128", 0, 180, 1, 1, 128},
      {"saturation 0.5 gives 128", 1, 10, 0.5, 1, 128},
      {"brightness 1 at the top", 2, 10, 0.5, 1, 0},
      {"brightness 0 at the bottom", 2, 10, 0.5, 0, 255},
      {"red 255 at the top", 3, 0, 1, 1, 0},
      {"red 0 at the bottom", 3, 120, 1, 1, 255},
      {"green 128", 4, 120, 1, 128 / 255.0, 127},
      {"blue 255 at the top", 5, 240, 1, 1, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    window.start();
    window.showColor(row.hue, row.saturation, row.value);
    window.form.optDim_Click(row.dimension);
    EXPECT_EQ(window.form.iVerticalPos, row.position);
    EXPECT_EQ(window.imgArrowLeft.top(), kStripTop + row.position - 2);
    EXPECT_EQ(window.imgArrowRight.top(), kStripTop + row.position - 2);
  }
}

TEST(Strip, AnOptionClickRedrawsBothSurfacesButLeavesTheFieldsAlone) {
  HeadlessWindow window;
  window.start();
  const int stripRefreshes = window.imgVertical.refreshCount;
  const int matrixRefreshes = window.imgMatrix.refreshCount;
  const int swatchRefreshes = window.imgCurColor.refreshCount;
  const int fieldWrites = window.fields[0]->writeCount;
  window.form.optDim_Click(3);
  EXPECT_EQ(window.form.iDim, 3);
  EXPECT_EQ(window.imgVertical.refreshCount, stripRefreshes + 1);
  EXPECT_GT(window.imgMatrix.refreshCount, matrixRefreshes);
  EXPECT_EQ(window.imgCurColor.refreshCount, swatchRefreshes);
  EXPECT_EQ(window.fields[0]->writeCount, fieldWrites);
}

}  // namespace
}  // namespace tintwell
