// The harness's own stand-ins, checked on their own.

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

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

TEST(WindowsPathTest, UnixPathsGoThroughDriveZ) {
  EXPECT_EQ(windowsPath("/work/build/x.exe").wstring(), L"Z:\\work\\build\\x.exe");
  EXPECT_EQ(windowsPath("C:\\tools\\x.exe").wstring(), L"C:\\tools\\x.exe");
}

}  // namespace
}  // namespace tintwell::e2e
