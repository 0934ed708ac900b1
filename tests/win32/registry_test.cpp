#include <gtest/gtest.h>

#include <array>
#include <string>

#include "win32/handles.h"
#include "win32/platform.h"
#include "win32/text.h"

namespace tintwell::win32 {
namespace {

constexpr const char* kScratchPath = "Software\\TintwellTest";
constexpr const char* kSubKeyPath = "Software\\TintwellTest\\Sub";
constexpr uint32_t kReadWrite = kKeyQueryValue | kKeySetValue;

// Each test starts and ends without the scratch key in the real registry.
class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratchPath); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratchPath); }

  Win32Registry registry;
};

TEST_F(Win32RegistryTest, WritesAndReadsBackATwoByteValueUnderTheCurrentUser) {
  RegistryKey key = 0;
  ASSERT_EQ(registry.createKey(kHkeyCurrentUser, kSubKeyPath, kReadWrite, key), ERROR_SUCCESS);
  const std::array<uint8_t, 2> written{0x34, 0x12};
  EXPECT_EQ(registry.setValue(key, "Value", kRegBinary, written.data(), written.size()),
            ERROR_SUCCESS);
  EXPECT_EQ(registry.closeKey(key), ERROR_SUCCESS);

  ASSERT_EQ(registry.openKey(kHkeyCurrentUser, kSubKeyPath, kKeyQueryValue, key), ERROR_SUCCESS);
  std::array<uint8_t, 2> read{};
  uint32_t readSize = read.size();
  EXPECT_EQ(registry.queryValue(key, "Value", read.data(), readSize), ERROR_SUCCESS);
  EXPECT_EQ(readSize, 2u);
  EXPECT_EQ(read, written);
  EXPECT_EQ(registry.closeKey(key), ERROR_SUCCESS);

  // The same value as the platform's own tools see it: binary, two bytes.
  DWORD size = 0;
  EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, kSubKeyPath, "Value", RRF_RT_REG_BINARY, nullptr,
                         nullptr, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(size, 2u);
}

TEST_F(Win32RegistryTest, ReportsThePlatformsStatusCodes) {
  RegistryKey key = 0;
  EXPECT_EQ(registry.openKey(kHkeyCurrentUser, kSubKeyPath, kKeyQueryValue, key),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, 0u) << "a failed open hands out no key";

  ASSERT_EQ(registry.createKey(kHkeyCurrentUser, kSubKeyPath, kReadWrite, key), ERROR_SUCCESS);
  const std::array<uint8_t, 4> written{1, 2, 3, 4};
  ASSERT_EQ(registry.setValue(key, "Wide", kRegBinary, written.data(), written.size()),
            ERROR_SUCCESS);

  struct Row {
    const char* name;
    const char* valueName;
    uint32_t bufferSize;
    int32_t status;
    uint32_t reportedSize;
  };
  const Row rows[] = {
      {"buffer too small", "Wide", 2, ERROR_MORE_DATA, 4},
      {"missing value", "Absent", 2, ERROR_FILE_NOT_FOUND, 2},
      {"exact buffer", "Wide", 4, ERROR_SUCCESS, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::array<uint8_t, 4> buffer{};
    uint32_t size = row.bufferSize;
    EXPECT_EQ(registry.queryValue(key, row.valueName, buffer.data(), size), row.status);
    if (row.status != ERROR_FILE_NOT_FOUND) {
      EXPECT_EQ(size, row.reportedSize);
    }
  }
  EXPECT_EQ(registry.closeKey(key), ERROR_SUCCESS);
}

TEST_F(Win32RegistryTest, HandsNamesOverInTheAnsiCodePage) {
  const std::string utf8Name = "\xC3\x89rt\xC3\xA9k";  // "Érték"
  BOOL lossy = FALSE;
  const std::wstring wideName = toWide(utf8Name);
  WideCharToMultiByte(CP_ACP, 0, wideName.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (lossy) GTEST_SKIP() << "the ANSI code page cannot spell the name";

  RegistryKey key = 0;
  ASSERT_EQ(registry.createKey(kHkeyCurrentUser, kSubKeyPath, kReadWrite, key), ERROR_SUCCESS);
  const std::array<uint8_t, 2> written{7, 0};
  EXPECT_EQ(registry.setValue(key, utf8Name, kRegBinary, written.data(), written.size()),
            ERROR_SUCCESS);
  EXPECT_EQ(registry.closeKey(key), ERROR_SUCCESS);

  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, toWide(kSubKeyPath).c_str(), wideName.c_str(),
                         RRF_RT_REG_BINARY, nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
}

// On 64-bit Windows the predefined key is the token sign-extended: a plain
// cast would name no key at all.
TEST(Win32RegistryRoot, TheTokenStandsForTheCurrentUserAndAnOpenedKeyForItself) {
  EXPECT_EQ(toHkey(kHkeyCurrentUser), HKEY_CURRENT_USER);
  HKEY raw = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_QUERY_VALUE, &raw), ERROR_SUCCESS);
  const RegistryKeyHandle opened(raw);
  EXPECT_EQ(toHkey(reinterpret_cast<RegistryKey>(opened.get())), opened.get());
}

}  // namespace
}  // namespace tintwell::win32
