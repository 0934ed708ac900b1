#include <gtest/gtest.h>

#include "core/mod_color.h"
#include "fakes/headless_window.h"
#include "picker/picker_math.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;

constexpr int kStripTop = 88;

// The value a strip row sets in its dimension.
double valueOf(int16_t dimension, const ColorState& color) {
  switch (dimension) {
    case kHue:
      return color.dHue;
    case kSaturation:
      return color.dSat;
    case kBrightness:
      return color.dVal;
    case kRed:
      return color.iRed;
    case kGreen:
      return color.iGreen;
    default:
      return color.iBlue;
  }
}

PackedColor colorOf(const ColorState& color) {
  return convHSV2RGB(color.dHue, color.dSat, color.dVal);
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
      const PackedColor expected = stripRowColor(dimension, row, window.form);
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

// From the start-up red (360, 1, 1), whose rows all show what they pick.
TEST(StripRow, ShowsAndPicksTheWorkedColors) {
  struct Row {
    const char* name;
    int16_t dimension;
    int row;
    PackedColor shown;
    double picked;
  };
  const Row rows[] = {
      {"hue row 0 is red and picks 360", kHue, 0, packRgb(255, 0, 0), 360},
      {"hue row 255 is red and picks 0", kHue, 255, packRgb(255, 0, 0), 0},
      {"hue row 85 is blue", kHue, 85, packRgb(0, 0, 255), 240},
      {"saturation row 0 is full", kSaturation, 0, packRgb(255, 0, 0), 1},
      {"saturation row 255 is white", kSaturation, 255, packRgb(255, 255, 255), 0},
      {"brightness row 51 is four fifths", kBrightness, 51, packRgb(204, 0, 0), 0.8},
      {"brightness row 255 is black", kBrightness, 255, packRgb(0, 0, 0), 0},
      {"red row 100 is 155", kRed, 100, packRgb(155, 0, 0), 155},
      {"green row 0 is 255", kGreen, 0, packRgb(255, 255, 0), 255},
      {"blue row 255 is 0", kBlue, 255, packRgb(255, 0, 0), 0},
  };
  HeadlessWindow window;
  window.start();
  const ColorState red = window.form;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(stripRowColor(row.dimension, row.row, red), row.shown);
    ColorState picked = red;
    applyStripRow(row.dimension, row.row, picked);
    EXPECT_DOUBLE_EQ(valueOf(row.dimension, picked), row.picked);
    EXPECT_EQ(colorOf(picked), row.shown);
  }
}

// The hue strip shows full colours only, so its rows pick what they show from
// a full colour; the other strips from any colour.
TEST(StripRow, EveryRowPicksTheColorItShows) {
  HeadlessWindow window;
  window.start();
  window.showColor(200, 1, 1);
  const ColorState full = window.form;
  window.showColor(33.3, 0.6, 0.8);
  const ColorState muted = window.form;
  for (int16_t dimension = 0; dimension < kDimensionCount; ++dimension) {
    for (const ColorState* color : {&full, &muted}) {
      if (dimension == kHue && color == &muted) continue;
      SCOPED_TRACE(testing::Message() << "dimension " << dimension << " hue " << color->dHue);
      for (int row = 0; row < kSurfaceSide; ++row) {
        ColorState picked = *color;
        applyStripRow(dimension, row, picked);
        ASSERT_EQ(colorOf(picked), stripRowColor(dimension, row, *color)) << "row " << row;
      }
    }
  }
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
    EXPECT_EQ(window.picture(layout::Control::imgArrowLeft).top(), kStripTop + row.position - 2);
    EXPECT_EQ(window.picture(layout::Control::imgArrowRight).top(), kStripTop + row.position - 2);
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
