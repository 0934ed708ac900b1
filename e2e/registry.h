#pragma once

// The per-user registry as the program finds it: cleared, seeded and read back.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tintwell::e2e {

// Where the program keeps its settings.
inline constexpr const wchar_t* kMakerKey = L"Software\\Quenlark";
inline constexpr const wchar_t* kFamilyKey = L"Software\\Quenlark\\Rigbox";
inline constexpr const wchar_t* kLanguageValue = L"Language";
inline constexpr const wchar_t* kQualityValue = L"Tintwell-Quality";

struct StoredValue {
  DWORD type = REG_NONE;
  std::vector<uint8_t> bytes;
};

// Removes the key with everything under it; true when it is gone.
bool deleteUserKey(const std::wstring& path);
std::optional<StoredValue> readUserValue(const std::wstring& path, const std::wstring& name);
bool writeUserValue(const std::wstring& path, const std::wstring& name, const StoredValue& value);
bool deleteUserValue(const std::wstring& path, const std::wstring& name);

}  // namespace tintwell::e2e
