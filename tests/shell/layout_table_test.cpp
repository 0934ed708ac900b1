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

std::string nameOf(const ControlSpec& spec) {
  std::string name(spec.name);
  if (spec.index != kNoGroupIndex)
    name.append(1, '(').append(std::to_string(spec.index)).append(1, ')');
  return name;
}

TEST(LayoutTable, PaintsEveryWindowlessControlExactlyOnce) {
  std::multiset<std::string> painted;
  for (const ControlSpec* spec : paintingOrder()) {
    ASSERT_NE(spec, nullptr) << "a painting-order name is missing from the table";
    EXPECT_FALSE(isWindowed(spec->kind)) << nameOf(*spec);
    painted.insert(nameOf(*spec));
  }
  for (const ControlSpec& spec : controls()) {
    if (isWindowed(spec.kind)) continue;
    SCOPED_TRACE(nameOf(spec));
    EXPECT_EQ(painted.count(nameOf(spec)), 1u);
  }
}

TEST(LayoutTable, CreatesWindowedControlsInTabOrder) {
  const std::vector<std::string> expected{
      "imgMatrix", "imgVertical", "txtInp(0)",   "txtInp(1)", "txtInp(2)", "txtInp(3)",
      "txtInp(4)", "txtInp(5)",   "imgCurColor", "txtInp(6)", "optDim(0)", "optDim(1)",
      "optDim(2)", "optDim(3)",   "optDim(4)",   "optDim(5)", "txtInp(7)", "cmbQuality"};
  std::vector<std::string> created;
  for (const ControlSpec* spec : windowedControls()) created.push_back(nameOf(*spec));
  EXPECT_EQ(created, expected);
}

TEST(LayoutTable, GivesEveryWindowedControlItsOwnIdAndNoneToTheOthers) {
  std::set<int> ids;
  std::set<std::string> names;
  for (const ControlSpec& spec : controls()) {
    SCOPED_TRACE(nameOf(spec));
    EXPECT_TRUE(names.insert(nameOf(spec)).second) << "name used twice";
    if (isWindowed(spec.kind)) {
      EXPECT_NE(spec.controlId, kNoControlId);
      EXPECT_TRUE(ids.insert(spec.controlId).second) << "ID used twice";
      EXPECT_EQ(findControl(spec.name, spec.index), &spec);
    } else {
      EXPECT_EQ(spec.controlId, kNoControlId);
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
  for (const ControlSpec* spec : windowedControls()) {
    SCOPED_TRACE(nameOf(*spec));
    EXPECT_GE(spec->left, 0);
    EXPECT_GE(spec->top, 0);
    EXPECT_LE(spec->left + spec->width, kClientWidth);
    EXPECT_LE(spec->top + spec->height, kClientHeight);
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
