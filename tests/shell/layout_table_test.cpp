// The layout table is portable: checked on every build.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "shell/frm_color.h"
#include "shell/layout.h"

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
      EXPECT_EQ(findControl(design.name, design.index), &design);
    } else {
      EXPECT_EQ(design.controlId, kNoControlId);
    }
  }
  EXPECT_EQ(findControl("txtInp", kFieldCount), nullptr);
  EXPECT_EQ(findControl("nothing"), nullptr);
}

TEST(LayoutTable, ControlIdsFollowTheGroupIndex) {
  for (int index = 0; index < kFieldCount; ++index) {
    EXPECT_EQ(findControl("txtInp", index)->controlId, txtInpId(index));
  }
  for (int index = 0; index < kDimensionCount; ++index) {
    EXPECT_EQ(findControl("optDim", index)->controlId, optDimId(index));
    EXPECT_EQ(findControl("optDim", index)->checked, index == 0);
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
  const std::pair<const char*, int> rows[] = {
      {"Label4", 11}, {"lblTitle", 21}, {"Label10", 13}, {"lblVersion", 11}};
  for (const auto& [name, pixels] : rows) {
    SCOPED_TRACE(name);
    EXPECT_EQ(fontPixelHeight(findControl(name)->font), pixels);
  }
}

}  // namespace
}  // namespace tintwell::layout
