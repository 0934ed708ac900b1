// The layout table is portable: checked on every build.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/display_scale.h"
#include "shell/frm_color.h"
#include "shell/layout.h"
#include "shell/scaled_surface.h"

namespace tintwell::layout {
namespace {

std::string nameOf(const ControlDesign& design) {
  std::string name(design.name);
  if (design.index != kNoGroupIndex)
    name.append(1, '(').append(std::to_string(design.index)).append(1, ')');
  return name;
}

TEST(LayoutTable, PaintsEveryWindowlessControlExactlyOnce) {
  std::multiset<std::string> painted;
  for (const ControlDesign* design : paintingOrder()) {
    ASSERT_NE(design, nullptr) << "a painting-order name is missing from the table";
    EXPECT_FALSE(isWindowed(design->kind)) << nameOf(*design);
    painted.insert(nameOf(*design));
  }
  for (const ControlDesign& design : controls()) {
    if (isWindowed(design.kind)) continue;
    SCOPED_TRACE(nameOf(design));
    EXPECT_EQ(painted.count(nameOf(design)), 1u);
  }
}

TEST(LayoutTable, CreatesWindowedControlsInTabOrder) {
  const std::vector<std::string> expected{
      "imgMatrix", "imgVertical", "txtInp(0)",   "txtInp(1)", "txtInp(2)", "txtInp(3)",
      "txtInp(4)", "txtInp(5)",   "imgCurColor", "txtInp(6)", "optDim(0)", "optDim(1)",
      "optDim(2)", "optDim(3)",   "optDim(4)",   "optDim(5)", "txtInp(7)", "cmbQuality"};
  std::vector<std::string> created;
  for (const ControlDesign* design : windowedControls()) created.push_back(nameOf(*design));
  EXPECT_EQ(created, expected);
}

TEST(LayoutTable, GivesEveryWindowedControlItsOwnIdAndNoneToTheOthers) {
  std::set<int> ids;
  std::set<std::string> names;
  for (const ControlDesign& design : controls()) {
    SCOPED_TRACE(nameOf(design));
    EXPECT_TRUE(names.insert(nameOf(design)).second) << "name used twice";
    if (isWindowed(design.kind)) {
      EXPECT_NE(design.controlId, kNoControlId);
      EXPECT_TRUE(ids.insert(design.controlId).second) << "ID used twice";
      EXPECT_EQ(findControl(design.id, design.index), &design);
    } else {
      EXPECT_EQ(design.controlId, kNoControlId);
    }
  }
  EXPECT_EQ(findControl(Control::txtInp, kFieldCount), nullptr);
}

TEST(LayoutTable, ControlIdsFollowTheGroupIndex) {
  for (int index = 0; index < kFieldCount; ++index) {
    EXPECT_EQ(findControl(Control::txtInp, index)->controlId, txtInpId(index));
  }
  for (int index = 0; index < kDimensionCount; ++index) {
    EXPECT_EQ(findControl(Control::optDim, index)->controlId, optDimId(index));
    EXPECT_EQ(findControl(Control::optDim, index)->checked, index == 0);
  }
}

TEST(LayoutTable, WindowedControlsLieInsideTheClientArea) {
  for (const ControlDesign* design : windowedControls()) {
    SCOPED_TRACE(nameOf(*design));
    EXPECT_GE(design->left, 0);
    EXPECT_GE(design->top, 0);
    EXPECT_LE(design->left + design->width, kClientWidth);
    EXPECT_LE(design->top + design->height, kClientHeight);
  }
}

TEST(LayoutTable, FontHeightsArePixelsAtNinetySixDotsPerInch) {
  const std::pair<Control, int> rows[] = {{Control::Label4, 11},
                                          {Control::lblTitle, 21},
                                          {Control::Label10, 13},
                                          {Control::lblVersion, 11}};
  for (const auto& [id, pixels] : rows) {
    SCOPED_TRACE(findControl(id)->name);
    EXPECT_EQ(fontPixelHeight(findControl(id)->font), pixels);
  }
}

// The numbers of the window's design, against the functions every other
// place works them out with.
TEST(LayoutTable, SurfaceInsidesAndArrowTopsAreTheDesignedOnes) {
  const std::pair<Control, std::array<int, 4>> insides[] = {
      {Control::imgMatrix, {10, 90, 266, 346}},
      {Control::imgVertical, {282, 90, 303, 346}},
      {Control::imgCurColor, {338, 90, 423, 135}},
  };
  for (const auto& [id, edges] : insides) {
    SCOPED_TRACE(findControl(id)->name);
    const Box inner = innerBox(*findControl(id));
    EXPECT_EQ((std::array{inner.left, inner.top, inner.right, inner.bottom}), edges);
  }
  const int stripTop = findControl(Control::imgVertical)->top;
  EXPECT_EQ(arrowTop(stripTop, 0), stripTop - 2);
  EXPECT_EQ(arrowTop(stripTop, kLastPixel), stripTop + 253);
}

// ---- The layout at other display scales ---------------------------------

class ScaledLayout : public testing::TestWithParam<int> {
 protected:
  DisplayScale scale{GetParam()};
  double factor() const { return GetParam() / static_cast<double>(kDesignDpi); }
};

TEST_P(ScaledLayout, ClientAreaIsTheDesignedOneScaledAndHoldsEveryWindowedControl) {
  const int width = scale.toPhysical(kClientWidth);
  const int height = scale.toPhysical(kClientHeight);
  EXPECT_EQ(width, static_cast<int>(std::floor(kClientWidth * factor() + 0.5)));
  EXPECT_EQ(height, static_cast<int>(std::floor(kClientHeight * factor() + 0.5)));
  for (const ControlDesign* design : windowedControls()) {
    SCOPED_TRACE(nameOf(*design));
    const Box box = scale.toPhysical(outerBox(*design));
    EXPECT_GE(box.left, 0);
    EXPECT_GE(box.top, 0);
    EXPECT_LE(box.right, width);
    EXPECT_LE(box.bottom, height);
    EXPECT_GT(box.right, box.left);
    EXPECT_GT(box.bottom, box.top);
  }
}

// Neighbours that touch by design still touch; every other gap between two
// controls is the designed one scaled, within a pixel.
TEST_P(ScaledLayout, GapsBetweenControlsScaleWithinOnePixel) {
  const auto gaps = [](const Box& a, const Box& b) {
    return std::array<int, 4>{b.left - a.right, b.top - a.bottom, b.left - a.left, b.top - a.top};
  };
  for (const ControlDesign& first : controls()) {
    for (const ControlDesign& second : controls()) {
      const auto designed = gaps(outerBox(first), outerBox(second));
      const auto physical =
          gaps(scale.toPhysical(outerBox(first)), scale.toPhysical(outerBox(second)));
      SCOPED_TRACE(nameOf(first) + " to " + nameOf(second));
      for (size_t edge = 0; edge < designed.size(); ++edge) {
        if (designed[edge] == 0) {
          EXPECT_EQ(physical[edge], 0);
        }
        EXPECT_LE(std::abs(physical[edge] - designed[edge] * factor()), 1.0);
      }
    }
  }
}

// Every physical pixel of the matrix and the strip, and the pixels a drag
// reaches beyond them, map back to the designed pixel whose block holds them.
TEST_P(ScaledLayout, PhysicalPixelsMapBackToTheBlockThatHoldsThem) {
  const ControlDesign& matrix = *findControl(Control::imgMatrix);
  const int first = scale.toPhysical(matrix.left - kSurfaceSide);
  const int last = scale.toPhysical(matrix.left + matrix.width + kSurfaceSide);
  for (int physical = first; physical <= last; ++physical) {
    const int designed = scale.toDesigned(physical);
    ASSERT_LE(scale.toPhysical(designed), physical) << physical;
    ASSERT_GT(scale.toPhysical(designed + 1), physical) << physical;
  }
  for (int designed = matrix.left; designed < matrix.left + matrix.width; ++designed) {
    const int block = scale.toPhysical(designed + 1) - scale.toPhysical(designed);
    EXPECT_GE(block, static_cast<int>(std::floor(factor()))) << designed;
    EXPECT_LE(block, static_cast<int>(std::ceil(factor()))) << designed;
  }
}

// Each surface shows every designed pixel as the block of physical pixels
// that maps back to it, and nothing else.
TEST_P(ScaledLayout, SurfacesShowEachDesignedPixelOnTheBlockThatMapsBackToIt) {
  for (const Control id : {Control::imgMatrix, Control::imgVertical, Control::imgCurColor}) {
    SCOPED_TRACE(findControl(id)->name);
    const Box inner = innerBox(*findControl(id));
    PixelImage image(inner.width(), inner.height());
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, packRgb(x, y, 1));
    }
    ScaledSurface surface(scale, inner);
    EXPECT_EQ(surface.physical().left, scale.toPhysical(inner.left));
    EXPECT_EQ(surface.width(), scale.toPhysical(inner.right) - scale.toPhysical(inner.left));
    const std::vector<uint32_t> shown = surface.present(image);
    for (int y = 0; y < surface.height(); ++y) {
      for (int x = 0; x < surface.width(); ++x) {
        const uint32_t bits = shown[static_cast<size_t>(y * surface.width() + x)];
        const PackedColor color = packRgb((bits >> 16) & 0xFF, (bits >> 8) & 0xFF, bits & 0xFF);
        ASSERT_EQ(color, image.pixel(surface.designedX(x), surface.designedY(y))) << x << "," << y;
      }
    }
    EXPECT_EQ(surface.designedX(0), 0);
    EXPECT_EQ(surface.designedX(surface.width() - 1), image.width() - 1);
    EXPECT_EQ(surface.designedY(surface.height()), image.height());
  }
}

INSTANTIATE_TEST_SUITE_P(DisplayScales, ScaledLayout,
                         testing::Values(96, 110, 120, 144, 168, 192, 240, 288));

TEST(DisplayScale, DesignedDpiIsTheIdentityAndNoDpiCountsAsDesigned) {
  for (const int dpi : {kDesignDpi, 0, -120}) {
    const DisplayScale scale(dpi);
    EXPECT_TRUE(scale.isDesigned());
    for (int coordinate = -1000; coordinate <= 1000; ++coordinate) {
      ASSERT_EQ(scale.toPhysical(coordinate), coordinate);
      ASSERT_EQ(scale.toDesigned(coordinate), coordinate);
    }
  }
}

}  // namespace
}  // namespace tintwell::layout
