// Real keyboard and mouse input, as a user gives it.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "environment.h"
#include "input.h"
#include "registry.h"
#include "session.h"
#include "shell/layout.h"

namespace tintwell::e2e {
namespace {

TEST_F(InputTest, TabVisitsTheControlsInTheirOrder) {
  const auto order = std::to_array<std::pair<const char*, int>>({
      {"imgVertical", layout::kImgVerticalId},
      {"txtInp(0)", layout::txtInpId(kHueField)},
      {"txtInp(1)", layout::txtInpId(kSaturationField)},
      {"txtInp(2)", layout::txtInpId(kBrightnessField)},
      {"txtInp(3)", layout::txtInpId(kRedField)},
      {"txtInp(4)", layout::txtInpId(kGreenField)},
      {"txtInp(5)", layout::txtInpId(kBlueField)},
      {"imgCurColor", layout::kImgCurColorId},
      {"txtInp(6)", layout::txtInpId(kHexField)},
      {"optDim(0), the selected option", layout::optDimId(kHue)},
      {"txtInp(7)", layout::txtInpId(kColorNumberField)},
      {"cmbQuality", layout::kCmbQualityId},
      {"imgMatrix again", layout::kImgMatrixId},
  });
  ASSERT_TRUE(
      waitUntil([&] { return app_.focus() == control(layout::kImgMatrixId); }, kReactionLimit));
  for (const auto& [name, controlId] : order) {
    SCOPED_TRACE(name);
    pressKey(VK_TAB);
    ASSERT_TRUE(waitUntil([&] { return app_.focus() == control(controlId); }, kReactionLimit))
        << "focus went to control " << GetDlgCtrlID(app_.focus());
  }
}

TEST_F(InputTest, ClickingAnOptionSelectsItAlone) {
  ASSERT_TRUE(click(centreOf(option(kRed))));
  EXPECT_TRUE(
      waitUntil([&] { return query(option(kRed), BM_GETCHECK) == BST_CHECKED; }, kReactionLimit));
  EXPECT_EQ(query(option(kHue), BM_GETCHECK), BST_UNCHECKED);
}

struct Typing {
  const char* name;
  int index;
  const char* typed;
  const char* kept;
};

TEST_F(InputTest, FieldsRefuseCharactersPastTheirLength) {
  constexpr auto kRows = std::to_array<Typing>({
      {"hue takes three", kHueField, "1234", "123"},
      {"red takes three", kRedField, "2550", "255"},
      {"hex takes six", kHexField, "abcdef0", "abcdef"},
      {"number takes eight", kColorNumberField, "123456789", "12345678"},
  });
  for (const Typing& row : kRows) {
    SCOPED_TRACE(row.name);
    clearField(field(row.index));
    ASSERT_FALSE(HasFatalFailure());
    typeText(row.typed);
    EXPECT_TRUE(fieldReads(row.index, row.kept)) << controlText(field(row.index));
  }
}

TEST_F(InputTest, TypedSaturationRecolorsTheOtherFields) {
  clearField(field(kSaturationField));
  ASSERT_FALSE(HasFatalFailure());
  typeText("50");
  const auto expected =
      std::to_array<const char*>({"360", "50", "100", "255", "128", "128", "ff8080", "8421631"});
  for (int index = 0; index < static_cast<int>(expected.size()); ++index) {
    SCOPED_TRACE(testing::Message() << "txtInp(" << index << ")");
    EXPECT_TRUE(fieldReads(index, expected.at(static_cast<size_t>(index))))
        << controlText(field(index));
  }
}

TEST_F(InputTest, QualityPickedByKeyboardIsStoredAtClose) {
  const HWND combo = control(layout::kCmbQualityId);
  ASSERT_TRUE(click(centreOf(combo)));
  ASSERT_TRUE(waitUntil([&] { return app_.focus() == combo; }, kReactionLimit));
  pressKey(VK_DOWN);
  pressKey(VK_RETURN);
  ASSERT_TRUE(waitUntil([&] { return query(combo, CB_GETCURSEL) == 1; }, kReactionLimit));
  ASSERT_TRUE(app_.requestClose());
  ASSERT_TRUE(app_.waitForExit(kReactionLimit));
  const auto stored = readUserValue(kFamilyKey, kQualityValue);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(stored->bytes, (std::vector<uint8_t>{1, 0}));
}

}  // namespace
}  // namespace tintwell::e2e
