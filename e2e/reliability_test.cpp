// What the program makes of a damaged or locked registry, how it closes, and
// what it makes of input queued faster than it takes it.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "environment.h"
#include "held_input.h"
#include "input.h"
#include "key_access.h"
#include "process_watch.h"
#include "registry.h"
#include "session.h"
#include "shell/layout.h"
#include "win32/text.h"

namespace tintwell::e2e {
namespace {

// Closing saves one value and ends; anything slower is a hang.
constexpr std::chrono::milliseconds kShutdownLimit{5'000};
constexpr DWORD kCleanExit = 0;

const std::vector<std::string> kEnglish{"High", "Medium", "Low"};
const std::vector<std::string> kHungarian{"Magas", "K\u00F6zepes", "Alacsony"};

StoredValue binary(std::vector<uint8_t> bytes) {
  return {REG_BINARY, std::move(bytes)};
}

StoredValue dword(uint8_t low) {
  return {REG_DWORD, {low, 0, 0, 0}};
}

// A string as the registry keeps it: UTF-16, low byte first, with its terminator.
StoredValue text(std::wstring_view characters) {
  constexpr int kByteBits = 8;
  StoredValue value{REG_SZ, {}};
  for (const wchar_t character : characters) {
    value.bytes.push_back(static_cast<uint8_t>(character));
    value.bytes.push_back(static_cast<uint8_t>(character >> kByteBits));
  }
  value.bytes.insert(value.bytes.end(), {0, 0});
  return value;
}

// Values beside the program's own, which it must leave as they are.
struct Neighbour {
  const wchar_t* path;
  const wchar_t* name;
  StoredValue value;
};

const std::vector<Neighbour>& neighbours() {
  static const std::vector<Neighbour> values{
      {kMakerKey, L"Other tool", text(L"kept")},
      {L"Software\\Quenlark\\Other", L"Setting", dword(7)},
      {kFamilyKey, L"Other-Quality", binary({9, 9, 9})},
  };
  return values;
}

void closeAndExpectCleanExit(const TintwellProcess& app) {
  const ProcessWatch watch(app.window());
  ASSERT_TRUE(app.requestClose());
  ASSERT_TRUE(app.waitForExit(kShutdownLimit)) << "still running after WM_CLOSE";
  EXPECT_EQ(watch.exitCode(), std::optional<DWORD>(kCleanExit));
}

struct StoredSettings {
  const char* name;
  std::optional<StoredValue> language;
  std::optional<StoredValue> quality;
  bool hungarian;
  int selected;
};

class RegistryFaultTest : public TintwellSession,
                          public testing::WithParamInterface<StoredSettings> {};

TEST_P(RegistryFaultTest, StartsOnWhatReadsAndStoresTheQualityAsTwoBytes) {
  const StoredSettings& row = GetParam();
  const bool keysWanted = row.language || row.quality;
  if (keysWanted) {
    for (const Neighbour& neighbour : neighbours()) {
      ASSERT_TRUE(writeUserValue(neighbour.path, neighbour.name, neighbour.value));
    }
  }
  if (row.language) {
    ASSERT_TRUE(writeUserValue(kMakerKey, kLanguageValue, *row.language));
  }
  if (row.quality) {
    ASSERT_TRUE(writeUserValue(kFamilyKey, kQualityValue, *row.quality));
  }
  launch();
  ASSERT_FALSE(HasFatalFailure());

  const HWND combo = control(layout::kCmbQualityId);
  EXPECT_EQ(comboItems(combo), row.hungarian ? kHungarian : kEnglish);
  EXPECT_EQ(query(combo, CB_GETCURSEL), row.selected);
  closeAndExpectCleanExit(app_);
  ASSERT_FALSE(HasFatalFailure());

  const auto quality = readUserValue(kFamilyKey, kQualityValue);
  ASSERT_TRUE(quality.has_value()) << "no Tintwell-Quality after closing";
  EXPECT_EQ(quality->type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(quality->bytes, (std::vector<uint8_t>{static_cast<uint8_t>(row.selected), 0}));
  // The language is written by a flag click only, never at closing.
  const auto language = readUserValue(kMakerKey, kLanguageValue);
  ASSERT_EQ(language.has_value(), row.language.has_value());
  if (language) {
    EXPECT_EQ(language->type, row.language->type);
    EXPECT_EQ(language->bytes, row.language->bytes);
  }
  if (!keysWanted) return;
  for (const Neighbour& neighbour : neighbours()) {
    SCOPED_TRACE(win32::toUtf8(neighbour.name));
    const auto kept = readUserValue(neighbour.path, neighbour.name);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->type, neighbour.value.type);
    EXPECT_EQ(kept->bytes, neighbour.value.bytes);
  }
}

// A value reads when it fits in two bytes, whatever its type; its bytes go
// over the low bytes of 0. Anything longer cannot be read: English, High.
INSTANTIATE_TEST_SUITE_P(
    Reliability, RegistryFaultTest,
    testing::Values(
        StoredSettings{"keys_missing", std::nullopt, std::nullopt, false, kHighQuality},
        StoredSettings{"two_bytes", binary({0, 0}), binary({1, 0}), true, kMediumQuality},
        StoredSettings{"one_byte", binary({0}), binary({2}), true, kLowQuality},
        StoredSettings{"one_byte_english", binary({1}), binary({1}), false, kMediumQuality},
        StoredSettings{"no_bytes_read_as_zero", binary({}), binary({}), true, kHighQuality},
        StoredSettings{"four_bytes_unreadable", binary({0, 0, 0, 0}), binary({2, 0, 0, 0}), false,
                       kHighQuality},
        StoredSettings{"dword_unreadable", dword(0), dword(2), false, kHighQuality},
        StoredSettings{"string_unreadable", text(L"Magyar"), text(L"Low"), false, kHighQuality},
        StoredSettings{"quality_past_low_clamped", binary({0, 0}), binary({5, 0}), true,
                       kLowQuality},
        StoredSettings{"quality_all_ones_clamped", binary({1, 0}), binary({0xFF, 0xFF}), false,
                       kLowQuality}),
    [](const testing::TestParamInfo<StoredSettings>& info) { return info.param.name; });

// --- Keys the user may not read or write.

class ReliabilityLockedKeyTest : public TintwellSession {
 protected:
  // Wine keeps key security as Windows does; without it there is nothing to test.
  static bool refused(const std::wstring& path) {
    HKEY opened = nullptr;
    const LSTATUS status =
        RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (status == ERROR_SUCCESS) RegCloseKey(opened);
    return status == ERROR_ACCESS_DENIED;
  }

  bool itemsRead(const std::vector<std::string>& items) const {
    return waitUntil([&] { return comboItems(control(layout::kCmbQualityId)) == items; },
                     kReactionLimit);
  }
};

TEST_F(ReliabilityLockedKeyTest, UnreadableQualityStartsHighAndAFailedSaveStillCloses) {
  ASSERT_TRUE(writeUserValue(kFamilyKey, kQualityValue, binary({kLowQuality, 0})));
  DeniedKeyAccess locked(kFamilyKey, KEY_QUERY_VALUE | KEY_SET_VALUE);
  ASSERT_TRUE(locked.applied());
  if (!refused(kFamilyKey)) GTEST_SKIP() << "this system ignores registry key security";
  launch();
  ASSERT_FALSE(HasFatalFailure());

  EXPECT_EQ(query(control(layout::kCmbQualityId), CB_GETCURSEL), kHighQuality);
  closeAndExpectCleanExit(app_);
  ASSERT_TRUE(locked.restore());
  const auto quality = readUserValue(kFamilyKey, kQualityValue);
  ASSERT_TRUE(quality.has_value());
  EXPECT_EQ(quality->bytes, (std::vector<uint8_t>{kLowQuality, 0}))
      << "the refused write changed it";
}

TEST_F(ReliabilityLockedKeyTest, UnreadableLanguageStartsEnglishAndFlagsStillSwitch) {
  constexpr POINT kOnEnglishFlag{400, 14};
  constexpr POINT kOnHungarianFlag{424, 14};
  ASSERT_TRUE(writeUserValue(kMakerKey, kLanguageValue, binary({0, 0})));
  DeniedKeyAccess locked(kMakerKey, KEY_QUERY_VALUE | KEY_SET_VALUE);
  ASSERT_TRUE(locked.applied());
  if (!refused(kMakerKey)) GTEST_SKIP() << "this system ignores registry key security";
  launch();
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(bringToFront(app_.window()));

  EXPECT_TRUE(itemsRead(kEnglish)) << "the stored Hungarian was read through the lock";
  ASSERT_TRUE(click(app_.toScreen(kOnHungarianFlag)));
  EXPECT_TRUE(itemsRead(kHungarian)) << "a refused write kept the captions";
  ASSERT_TRUE(click(app_.toScreen(kOnEnglishFlag)));
  EXPECT_TRUE(itemsRead(kEnglish));
  closeAndExpectCleanExit(app_);
  ASSERT_TRUE(locked.restore());

  const auto language = readUserValue(kMakerKey, kLanguageValue);
  ASSERT_TRUE(language.has_value());
  EXPECT_EQ(language->bytes, (std::vector<uint8_t>{0, 0})) << "the English click was stored";
  // The family key lies under the locked one but is not locked itself.
  const auto quality = readUserValue(kFamilyKey, kQualityValue);
  ASSERT_TRUE(quality.has_value());
  EXPECT_EQ(quality->bytes, (std::vector<uint8_t>{kHighQuality, 0}));
}

// --- Input faster than the program takes it.

class ReliabilityQueueTest : public InputTest {};

// Every keystroke into a field rewrites the others and lets pending input
// run inside that rewrite, so a queue of keystrokes nests one handler in the
// next. Found by this test: a few hundred queued keystrokes leave the window
// unable to answer for its fields, and the next keystroke is lost.
TEST_F(ReliabilityQueueTest, KeystrokesQueuedFasterThanHandledLeaveTheWindowWorking) {
  constexpr int kTypedPairs = 200;
  clearField(field(kHueField));
  ASSERT_FALSE(HasFatalFailure());
  std::vector<WORD> keys;
  for (int pair = 0; pair < kTypedPairs; ++pair) keys.insert(keys.end(), {'1', VK_BACK});
  sendKeyBurst(keys);
  typeText("7");
  const FieldTexts expected{"7", "100", "100", "255", "30", "0", "ff1e00", "7935"};
  EXPECT_TRUE(waitUntil([&] { return fieldTexts() == expected; }, kReactionLimit))
      << "the fields read " << testing::PrintToString(fieldTexts());
  EXPECT_TRUE(answers(app_.window()));
}

}  // namespace
}  // namespace tintwell::e2e
