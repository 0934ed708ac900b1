#pragma once

// What the settings store relies on a registry to answer, the same calls
// with the same status codes for the in-memory registry and the real one.
// The scratch key must not exist; it is left behind.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "fakes/fake_registry.h"

namespace tintwell {

inline void expectRegistryContract(Registry& registry, const std::string& scratch) {
  constexpr uint32_t kWriting = kKeySetValue | kKeyCreateSubKey;
  const std::string sub = scratch + "\\Sub";
  const std::array<uint8_t, 4> written{1, 2, 3, 4};
  RegistryKey key = 0;
  EXPECT_EQ(registry.openKey(kHkeyCurrentUser, sub, kKeyQueryValue, key), kErrorFileNotFound);
  EXPECT_EQ(key, 0u) << "a failed open hands out no key";
  EXPECT_EQ(registry.createKey(kHkeyCurrentUser, "\\" + sub, kWriting, key), kErrorBadPathname);

  ASSERT_EQ(registry.createKey(kHkeyCurrentUser, sub, kWriting, key), kErrorSuccess);
  ASSERT_EQ(registry.setValue(key, "Wide", kRegBinary, written.data(), written.size()),
            kErrorSuccess);
  std::array<uint8_t, 4> read{};
  uint32_t size = read.size();
  EXPECT_EQ(registry.queryValue(key, "Wide", read.data(), size), kErrorAccessDenied)
      << "a key opened for writing does not read";
  RegistryKey deeper = 0;
  ASSERT_EQ(registry.createKey(key, "Rigbox\\Deeper", kWriting, deeper), kErrorSuccess);
  EXPECT_EQ(registry.closeKey(deeper), kErrorSuccess);
  EXPECT_EQ(registry.closeKey(key), kErrorSuccess);

  // Paths and names in any case.
  ASSERT_EQ(
      registry.openKey(kHkeyCurrentUser, scratch + "\\SUB\\rigbox\\DEEPER", kKeyQueryValue, deeper),
      kErrorSuccess);
  EXPECT_EQ(registry.closeKey(deeper), kErrorSuccess);
  ASSERT_EQ(registry.openKey(kHkeyCurrentUser, scratch + "\\sub", kKeyQueryValue, key),
            kErrorSuccess);
  struct Row {
    const char* name;
    const char* valueName;
    bool buffer;
    uint32_t bufferSize;
    int32_t status;
    uint32_t reportedSize;
  };
  const Row rows[] = {
      {"buffer too small", "Wide", true, 2, kErrorMoreData, 4},
      {"missing value", "Absent", true, 2, kErrorFileNotFound, 2},
      {"the size alone", "wide", false, 0, kErrorSuccess, 4},
      {"exact buffer", "WIDE", true, 4, kErrorSuccess, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    read = {};
    size = row.bufferSize;
    EXPECT_EQ(registry.queryValue(key, row.valueName, row.buffer ? read.data() : nullptr, size),
              row.status);
    if (row.status != kErrorFileNotFound) {
      EXPECT_EQ(size, row.reportedSize);
    }
  }
  EXPECT_EQ(read, written) << "as the last row read it";
  EXPECT_EQ(registry.setValue(key, "Wide", kRegBinary, written.data(), 1), kErrorAccessDenied)
      << "a key opened for reading does not write";
  EXPECT_EQ(registry.closeKey(key), kErrorSuccess);
  EXPECT_EQ(registry.closeKey(key), kErrorInvalidHandle);
  size = read.size();
  EXPECT_EQ(registry.queryValue(key, "Wide", read.data(), size), kErrorInvalidHandle);
}

}  // namespace tintwell
