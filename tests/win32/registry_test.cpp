#include <gtest/gtest.h>

#include <array>
#include <string>

#include "fakes/registry_contract.h"
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

TEST_F(Win32RegistryTest, AnswersAsTheInMemoryRegistryDoes) {
  expectRegistryContract(registry, kScratchPath);
  // The value as the platform's own tools see it: binary, four bytes.
  DWORD size = 0;
  EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, kSubKeyPath, "Wide", RRF_RT_REG_BINARY, nullptr,
                         nullptr, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(size, 4u);
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
