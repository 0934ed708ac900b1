// What the window shows once it has started, and what it makes of the
// settings it finds in the registry.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "environment.h"
#include "registry.h"
#include "session.h"
#include "shell/layout.h"

namespace tintwell::e2e {
namespace {

TEST_F(StartedWindowTest, FieldsShowPureRed) {
  constexpr auto kTexts =
      std::to_array<const char*>({"360", "100", "100", "255", "0", "0", "ff0000", "255"});
  for (int index = 0; index < static_cast<int>(kTexts.size()); ++index) {
    SCOPED_TRACE(testing::Message() << "txtInp(" << index << ")");
    EXPECT_EQ(controlText(field(index)), kTexts.at(static_cast<size_t>(index)));
  }
}

TEST_F(StartedWindowTest, QualityListOffersThreeEntriesWithHighSelected) {
  const HWND combo = control(layout::kCmbQualityId);
  EXPECT_EQ(comboItems(combo), (std::vector<std::string>{"High", "Medium", "Low"}));
  EXPECT_EQ(query(combo, CB_GETCURSEL), kHighQuality);
}

TEST_F(StartedWindowTest, OptionHueIsSelected) {
  for (int index = 0; index < kDimensionCount; ++index) {
    SCOPED_TRACE(testing::Message() << "optDim(" << index << ")");
    EXPECT_EQ(query(option(index), BM_GETCHECK), index == 0 ? BST_CHECKED : BST_UNCHECKED);
  }
}

TEST_F(StartedWindowTest, ClosingStoresTheQualityAsTwoBytes) {
  ASSERT_TRUE(app_.requestClose());
  ASSERT_TRUE(app_.waitForExit(kReactionLimit));
  const auto stored = readUserValue(kFamilyKey, kQualityValue);
  ASSERT_TRUE(stored.has_value()) << "no Tintwell-Quality after closing";
  EXPECT_EQ(stored->type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(stored->bytes, (std::vector<uint8_t>{0, 0}));
}

struct StoredQuality {
  const char* name;
  std::optional<StoredValue> stored;
  int selected;
};

class StoredQualityTest : public TintwellSession,
                          public testing::WithParamInterface<StoredQuality> {};

TEST_P(StoredQualityTest, SelectsTheClampedQuality) {
  const StoredQuality& row = GetParam();
  if (row.stored) {
    ASSERT_TRUE(writeUserValue(kFamilyKey, kQualityValue, *row.stored));
  }
  launch();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(query(control(layout::kCmbQualityId), CB_GETCURSEL), row.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, StoredQualityTest,
    testing::Values(StoredQuality{"none", std::nullopt, kHighQuality},
                    StoredQuality{"medium", StoredValue{REG_BINARY, {1, 0}}, 1},
                    StoredQuality{"seven", StoredValue{REG_BINARY, {7, 0}}, kLowQuality},
                    StoredQuality{"all_ones", StoredValue{REG_BINARY, {0xFF, 0xFF}}, kLowQuality},
                    StoredQuality{"four_bytes_unreadable", StoredValue{REG_DWORD, {1, 0, 0, 0}},
                                  kHighQuality}),
    [](const testing::TestParamInfo<StoredQuality>& info) { return info.param.name; });

struct StoredLanguage {
  const char* name;
  std::optional<StoredValue> stored;
  std::vector<std::string> items;
};

class StoredLanguageTest : public TintwellSession,
                           public testing::WithParamInterface<StoredLanguage> {};

TEST_P(StoredLanguageTest, CaptionsFollowTheStoredLanguage) {
  const StoredLanguage& row = GetParam();
  if (row.stored) {
    ASSERT_TRUE(writeUserValue(kMakerKey, kLanguageValue, *row.stored));
  }
  launch();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(comboItems(control(layout::kCmbQualityId)), row.items);
  EXPECT_EQ(controlText(app_.window()), "Tintwell") << "the same in both languages";
}

const std::vector<std::string> kEnglish{"High", "Medium", "Low"};
const std::vector<std::string> kHungarian{"Magas", "K\u00F6zepes", "Alacsony"};

INSTANTIATE_TEST_SUITE_P(
    Registry, StoredLanguageTest,
    testing::Values(StoredLanguage{"none", std::nullopt, kEnglish},
                    StoredLanguage{"hungarian", StoredValue{REG_BINARY, {0, 0}}, kHungarian},
                    StoredLanguage{"english", StoredValue{REG_BINARY, {1, 0}}, kEnglish},
                    StoredLanguage{"other_code", StoredValue{REG_BINARY, {7, 0}}, kEnglish}),
    [](const testing::TestParamInfo<StoredLanguage>& info) { return info.param.name; });

}  // namespace
}  // namespace tintwell::e2e
