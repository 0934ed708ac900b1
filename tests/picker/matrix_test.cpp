#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "core/mod_color.h"
#include "fakes/headless_window.h"
#include "picker/picker_math.h"

namespace tintwell {
namespace {

using fakes::FakeDropDownList;
using fakes::HeadlessWindow;

PackedColor colorOf(const ColorState& color) {
  return convHSV2RGB(color.dHue, color.dSat, color.dVal);
}

// The sample a pixel takes: the top-left corner of its block.
int blockStart(int pixel, int step) {
  return pixel - pixel % step;
}

TEST(Matrix, EveryPixelTakesItsBlockSampleInEachDimensionAndQuality) {
  HeadlessWindow window;
  window.start();
  window.showColor(33.3, 0.6, 0.8);
  for (int quality = 0; quality < 3; ++quality) {
    window.cmbQuality.setListIndex(quality);
    const int step = quality + 2;
    for (int16_t dimension = 0; dimension < 6; ++dimension) {
      SCOPED_TRACE(testing::Message() << "quality " << quality << " dimension " << dimension);
      window.form.iDim = dimension;
      window.form.drawMatrix(false);
      const PixelImage& field = window.imgMatrix.image();
      for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
          ASSERT_EQ(field.pixel(x, y), matrixSampleColor(dimension, blockStart(x, step),
                                                         blockStart(y, step), window.form))
              << x << "," << y;
        }
      }
    }
  }
}

// From the start-up red (360, 1, 1): the corners, and the hue at a third and
// two thirds across, show and pick the same colour.
TEST(MatrixPoint, ShowsAndPicksTheWorkedColors) {
  struct Row {
    const char* name;
    int16_t dimension;
    int x, y;
    PackedColor color;
  };
  const Row rows[] = {
      {"hue mode, top left is white", kHue, 0, 0, packRgb(255, 255, 255)},
      {"hue mode, top right is the hue", kHue, 255, 0, packRgb(255, 0, 0)},
      {"hue mode, bottom left is black", kHue, 0, 255, packRgb(0, 0, 0)},
      {"hue mode, bottom right is black", kHue, 255, 255, packRgb(0, 0, 0)},
      {"saturation mode, a third across is green", kSaturation, 85, 0, packRgb(0, 255, 0)},
      {"saturation mode, two thirds across is blue", kSaturation, 170, 0, packRgb(0, 0, 255)},
      {"saturation mode, bottom right is black", kSaturation, 255, 255, packRgb(0, 0, 0)},
      {"brightness mode, top left is red", kBrightness, 0, 0, packRgb(255, 0, 0)},
      {"brightness mode, bottom left is white", kBrightness, 0, 255, packRgb(255, 255, 255)},
      {"red mode, top left adds green", kRed, 0, 0, packRgb(255, 255, 0)},
      {"red mode, bottom right adds blue", kRed, 255, 255, packRgb(255, 0, 255)},
      {"green mode, top right is magenta", kGreen, 255, 0, packRgb(255, 0, 255)},
      {"green mode, bottom left is black", kGreen, 0, 255, packRgb(0, 0, 0)},
      {"blue mode, top right is yellow", kBlue, 255, 0, packRgb(255, 255, 0)},
      {"blue mode, bottom left is black", kBlue, 0, 255, packRgb(0, 0, 0)},
  };
  HeadlessWindow window;
  window.start();
  const ColorState red = window.form;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(matrixSampleColor(row.dimension, row.x, row.y, red), row.color);
    ColorState picked = red;
    applyMatrixPoint(row.dimension, static_cast<float>(row.x), static_cast<float>(row.y), picked);
    EXPECT_EQ(colorOf(picked), row.color);
  }
}

// The HSV modes divide the position in single precision and may pick a colour
// a last bit away from the drawn one; the RGB modes pick exactly the channels.
TEST(MatrixPoint, EveryPointOfTheRgbModesPicksTheColorItShows) {
  HeadlessWindow window;
  window.start();
  window.showColor(33.3, 0.6, 0.8);
  const ColorState muted = window.form;
  for (const int16_t dimension : {kRed, kGreen, kBlue}) {
    SCOPED_TRACE(testing::Message() << "dimension " << dimension);
    for (int y = 0; y < kSurfaceSide; ++y) {
      for (int x = 0; x < kSurfaceSide; ++x) {
        ColorState picked = muted;
        applyMatrixPoint(dimension, static_cast<float>(x), static_cast<float>(y), picked);
        ASSERT_EQ(colorOf(picked), matrixSampleColor(dimension, x, y, muted)) << x << "," << y;
      }
    }
  }
}

TEST(Matrix, BlockEdgesAtEachQuality) {
  HeadlessWindow window;
  window.start();
  window.form.iDim = 5;  // blue mode: pixel (x, y) shows red x, green 255 - y
  window.cmbQuality.setListIndex(2);
  window.form.drawMatrix(false);
  EXPECT_EQ(window.imgMatrix.image().pixel(7, 7), window.imgMatrix.image().pixel(4, 4));
  EXPECT_EQ(redOf(window.imgMatrix.image().pixel(255, 0)), 252);
  window.cmbQuality.setListIndex(1);
  window.form.drawMatrix(false);
  // Medium samples column and row 255 themselves: the last block is 1 pixel wide.
  EXPECT_EQ(redOf(window.imgMatrix.image().pixel(255, 0)), 255);
  EXPECT_EQ(redOf(window.imgMatrix.image().pixel(254, 0)), 252);
  EXPECT_EQ(greenOf(window.imgMatrix.image().pixel(0, 255)), 0);
  window.cmbQuality.setListIndex(0);
  window.form.drawMatrix(false);
  EXPECT_EQ(redOf(window.imgMatrix.image().pixel(255, 0)), 254);
}

// With no entry selected the step would be 1; the field draws as High instead.
TEST(Matrix, NoSelectedQualityDrawsAsHigh) {
  HeadlessWindow window;
  window.start();
  window.form.iDim = 5;
  window.cmbQuality.setListIndex(-1);
  window.form.drawMatrix(false);
  EXPECT_EQ(window.imgMatrix.image().pixel(1, 1), window.imgMatrix.image().pixel(0, 0));
  EXPECT_EQ(redOf(window.imgMatrix.image().pixel(255, 0)), 254);
}

TEST(Matrix, ChangingTheQualityAloneDoesNotRedraw) {
  HeadlessWindow window;
  window.start();
  const int refreshes = window.imgMatrix.refreshCount;
  window.cmbQuality.setListIndex(2);
  EXPECT_EQ(window.imgMatrix.refreshCount, refreshes);
}

struct MarkerRow {
  const char* name;
  int16_t dimension;
  double hue, saturation, value;
  int16_t x, y;
};

TEST(Matrix, MarkerPositionByDimension) {
  const MarkerRow rows[] = {
      {"hue mode, full colour: top-right", 0, 10, 1, 1, 255, 0},
      {"hue mode, saturation 0.5: 127.5 goes to 128", 0, 10, 0.5, 1, 128, 0},
      {"saturation mode, hue 360 at the right edge", 1, 360, 0.5, 0.5, 255, 128},
      {"brightness mode", 2, 180, 0.25, 0.5, 128, 191},
      {"red mode reads the channels", 3, 240, 1, 1, 255, 255},
      {"green mode", 4, 60, 1, 1, 0, 0},
      {"blue mode", 5, 0, 1, 1, 255, 255},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    window.start();
    window.showColor(row.hue, row.saturation, row.value);
    window.form.iDim = row.dimension;
    window.form.drawMatrix(false);
    EXPECT_EQ(window.form.iMatrixX, row.x);
    EXPECT_EQ(window.form.iMatrixY, row.y);
  }
}

std::set<std::pair<int, int>> ringAround(int x, int y) {
  std::set<std::pair<int, int>> ring;
  for (int k = -2; k <= 2; ++k) {
    ring.insert({x + k, y - 5});
    ring.insert({x + k, y + 5});
    ring.insert({x - 5, y + k});
    ring.insert({x + 5, y + k});
  }
  for (auto [dx, dy] : {std::pair{3, 4}, {4, 3}}) {
    for (int sx : {-1, 1}) {
      for (int sy : {-1, 1}) ring.insert({x + sx * dx, y + sy * dy});
    }
  }
  return ring;
}

TEST(Marker, RingsTheCentreWithTwentyEightPixelsClippedAtTheEdges) {
  for (auto [x, y, clampedX, clampedY] :
       {std::tuple{100, 100, 100, 100}, {-10, 300, 0, 255}, {255, 0, 255, 0}, {2, 253, 2, 253}}) {
    SCOPED_TRACE(testing::Message() << x << "," << y);
    HeadlessWindow window;
    window.start();
    window.imgMatrix.image().fill(packRgb(10, 20, 30));
    window.form.drawMatrixMarker(x, y);
    const auto ring = ringAround(clampedX, clampedY);
    EXPECT_EQ(ring.size(), 28u);
    for (int py = 0; py < 256; ++py) {
      for (int px = 0; px < 256; ++px) {
        const PackedColor expected =
            ring.count({px, py}) ? packRgb(255, 255, 255) : packRgb(10, 20, 30);
        ASSERT_EQ(window.imgMatrix.image().pixel(px, py), expected) << px << "," << py;
      }
    }
  }
}

TEST(Marker, WhiteOverDarkAndBlackOverLight) {
  const std::pair<PackedColor, PackedColor> rows[] = {
      {packRgb(127, 127, 128), packRgb(255, 255, 255)},  // sum 382
      {packRgb(128, 127, 128), packRgb(0, 0, 0)},        // sum 383
      {packRgb(255, 0, 0), packRgb(255, 255, 255)},
      {packRgb(255, 255, 255), packRgb(0, 0, 0)},
  };
  for (const auto& [covered, marker] : rows) {
    SCOPED_TRACE(covered);
    HeadlessWindow window;
    window.start();
    window.imgMatrix.image().fill(covered);
    window.form.drawMatrixMarker(50, 50);
    EXPECT_EQ(window.imgMatrix.image().pixel(50, 45), marker);
    EXPECT_EQ(window.imgMatrix.image().pixel(50, 50), covered);  // the centre stays
  }
}

TEST(Marker, DrawnOnlyWhenAskedWhileThePositionIsAlwaysUpdated) {
  HeadlessWindow window;
  window.start();
  window.showColor(0, 0.5, 0.5);
  window.form.drawMatrix(false);
  EXPECT_EQ(window.form.iMatrixX, 128);
  EXPECT_EQ(window.form.iMatrixY, 128);
  const PackedColor onRing = window.imgMatrix.image().pixel(128, 123);
  EXPECT_EQ(onRing, convHSV2RGB(0, 128 / 255.0, 1 - 122 / 255.0));
}

void expectSamePixels(const PixelImage& shown, const PixelImage& fresh) {
  ASSERT_EQ(shown.width(), fresh.width());
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      ASSERT_EQ(shown.pixel(x, y), fresh.pixel(x, y)) << x << "," << y;
    }
  }
}

// A redraw that changes nothing may be left out, but never one that has to
// wipe what was drawn since: each sequence ends with the matrix, the strip
// as one fresh drawing leaves them, and the swatch all in the colour.
TEST(Surfaces, EndAsAFreshDrawingWhateverCameBefore) {
  struct Row {
    const char* name;
    void (*before)(frmColor& form, FakeDropDownList& quality);
    bool marker;
  };
  const Row rows[] = {
      {"a release ring elsewhere",
       [](frmColor& form, FakeDropDownList&) {
         form.drawMatrix(true);
         form.drawMatrixMarker(30, 40);
       },
       true},
      {"drawn without the marker",
       [](frmColor& form, FakeDropDownList&) { form.drawMatrix(false); }, true},
      {"drawn with the marker", [](frmColor& form, FakeDropDownList&) { form.drawMatrix(true); },
       false},
      {"another quality",
       [](frmColor& form, FakeDropDownList& quality) {
         quality.setListIndex(kLowQuality);
         form.drawMatrix(true);
         quality.setListIndex(kHighQuality);
       },
       true},
      {"another dimension",
       [](frmColor& form, FakeDropDownList&) {
         form.iDim = kRed;
         form.drawVertical();
         form.drawMatrix(true);
         form.iDim = kHue;
       },
       true},
      {"another colour shown",
       [](frmColor& form, FakeDropDownList&) {
         const ColorState before = form;
         form.dHue = 200;
         form.dSat = 0.25;
         form.refreshInputs(kNoField);
         form.drawVertical();
         form.drawMatrix(true);
         static_cast<ColorState&>(form) = before;
       },
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    HeadlessWindow fresh;
    for (HeadlessWindow* each : {&window, &fresh}) {
      each->start();
      each->showColor(33.3, 0.6, 0.8);
      each->form.iDim = kSaturation;
      each->form.drawVertical();
      each->form.iDim = kHue;
    }
    row.before(window.form, window.cmbQuality);
    for (HeadlessWindow* each : {&window, &fresh}) {
      each->form.refreshInputs(kNoField);
      each->form.drawVertical();
      each->form.drawMatrix(row.marker);
    }
    expectSamePixels(window.imgMatrix.image(), fresh.imgMatrix.image());
    expectSamePixels(window.imgVertical.image(), fresh.imgVertical.image());
    const PixelImage& swatch = window.imgCurColor.image();
    for (int y = 0; y < swatch.height(); ++y) {
      for (int x = 0; x < swatch.width(); ++x) {
        ASSERT_EQ(swatch.pixel(x, y), colorOf(window.form)) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace tintwell
