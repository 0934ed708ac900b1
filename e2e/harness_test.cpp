// The harness's own stand-ins, checked on their own.

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "app_process.h"
#include "environment.h"
#include "registry.h"
#include "shell_recorder.h"

namespace tintwell::e2e {
namespace {

constexpr const wchar_t* kBrowserKey = L"Software\\Wine\\WineBrowser";
constexpr const wchar_t* kBrowsersValue = L"Browsers";

TEST(ShellOpenRecorderTest, RecordsWhatTheShellOpensAndRestoresTheBrowser) {
  const auto browserBefore = readUserValue(kBrowserKey, kBrowsersValue);
  {
    const ShellOpenRecorder recorder;
    if (!recorder.active()) GTEST_SKIP() << "needs Wine's browser setting";
    ShellExecuteW(nullptr, nullptr, L"https://recorder.invalid/check", nullptr, L"C:\\", SW_HIDE);
    ASSERT_TRUE(recorder.waitForAddress(kReactionLimit));
    EXPECT_EQ(recorder.addresses(), std::vector<std::string>{"https://recorder.invalid/check"});
  }
  const auto browserAfter = readUserValue(kBrowserKey, kBrowsersValue);
  ASSERT_EQ(browserAfter.has_value(), browserBefore.has_value());
  if (browserBefore) {
    EXPECT_EQ(browserAfter->bytes, browserBefore->bytes);
  }
}

// The user's settings, put aside by a guard while the test scribbles over them.
class UserSettingsGuardTest : public testing::Test {
 protected:
  static constexpr const wchar_t* kScratchSave = L"Software\\Quenlark-e2e-guard-test";
  void SetUp() override { ASSERT_TRUE(deleteUserKey(kMakerKey)); }

  static void scribble() {
    ASSERT_TRUE(deleteUserKey(kMakerKey));
    ASSERT_TRUE(writeUserValue(kMakerKey, kLanguageValue, {REG_BINARY, {1, 0}}));
  }

  UserSettingsGuard outer_;  // the real user's settings, round the whole test
};

TEST_F(UserSettingsGuardTest, PutsStoredSettingsBack) {
  const StoredValue language{REG_BINARY, {0, 0}};
  const StoredValue quality{REG_BINARY, {2, 0}};
  ASSERT_TRUE(writeUserValue(kMakerKey, kLanguageValue, language));
  ASSERT_TRUE(writeUserValue(kFamilyKey, kQualityValue, quality));
  {
    const UserSettingsGuard guard(kScratchSave);
    ASSERT_TRUE(guard.saved());
    scribble();
  }
  const auto languageAfter = readUserValue(kMakerKey, kLanguageValue);
  const auto qualityAfter = readUserValue(kFamilyKey, kQualityValue);
  ASSERT_TRUE(languageAfter && qualityAfter);
  EXPECT_EQ(languageAfter->bytes, language.bytes);
  EXPECT_EQ(qualityAfter->bytes, quality.bytes);
  EXPECT_FALSE(userKeyExists(kScratchSave)) << "the copy is cleared away";
}

TEST_F(UserSettingsGuardTest, LeavesNoSettingsWhereThereWereNone) {
  {
    const UserSettingsGuard guard(kScratchSave);
    ASSERT_TRUE(guard.saved());
    scribble();
  }
  EXPECT_FALSE(userKeyExists(kMakerKey));
}

TEST(WindowsPathTest, UnixPathsGoThroughDriveZ) {
  EXPECT_EQ(windowsPath("/work/build/x.exe").wstring(), L"Z:\\work\\build\\x.exe");
  EXPECT_EQ(windowsPath("C:\\tools\\x.exe").wstring(), L"C:\\tools\\x.exe");
}

// A program that ends without a window stands for one that never shows it.
TEST(TintwellProcessTest, AStartThatFailsSaysWhatItSaw) {
  std::array<wchar_t, MAX_PATH> system{};
  GetSystemDirectoryW(system.data(), MAX_PATH);
  TintwellProcess app;
  const std::string failure = app.start(std::filesystem::path(system.data()) / L"hostname.exe");
  EXPECT_NE(failure.find("ended before showing its window"), std::string::npos) << failure;
  EXPECT_NE(failure.find("ended with code 0"), std::string::npos) << failure;
  EXPECT_NE(failure.find("its windows: none"), std::string::npos) << failure;
  EXPECT_NE(failure.find("programs running:"), std::string::npos) << failure;
}

}  // namespace
}  // namespace tintwell::e2e
