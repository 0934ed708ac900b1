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

bool userKeyExists(const std::wstring& path);
// Removes the key with everything under it; true when it is gone.
bool deleteUserKey(const std::wstring& path);
std::optional<StoredValue> readUserValue(const std::wstring& path, const std::wstring& name);
bool writeUserValue(const std::wstring& path, const std::wstring& name, const StoredValue& value);
bool deleteUserValue(const std::wstring& path, const std::wstring& name);
StoredValue dwordValue(DWORD value);

// Keeps the user's own settings safe while tests overwrite them: copies them
// aside on construction and puts them back on destruction. A copy left by a
// run that died is the user's, so it is kept and put back instead.
class UserSettingsGuard {
 public:
  // The copy goes to this key, beside the settings so that clearing them spares it.
  explicit UserSettingsGuard(std::wstring savedKey = L"Software\\Quenlark-e2e-saved");
  UserSettingsGuard(const UserSettingsGuard&) = delete;
  UserSettingsGuard& operator=(const UserSettingsGuard&) = delete;
  ~UserSettingsGuard();

  bool saved() const { return saved_; }

 private:
  std::wstring savedKey_;
  std::wstring savedCopy_;
  bool saved_ = false;
};

// Where Wine and Windows keep the display's DPI (a REG_DWORD), read as a
// program starts.
inline constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";
inline constexpr const wchar_t* kLogPixelsValue = L"LogPixels";

// One value of the user's, such as a system setting, changed for a test and
// put back as it was (or removed, when there was none) however the test ends.
class UserValueGuard {
 public:
  UserValueGuard(std::wstring path, std::wstring name, const StoredValue& value);
  UserValueGuard(const UserValueGuard&) = delete;
  UserValueGuard& operator=(const UserValueGuard&) = delete;
  ~UserValueGuard();

  bool written() const { return written_; }

 private:
  std::wstring path_;
  std::wstring name_;
  std::optional<StoredValue> previous_;
  bool written_ = false;
};

}  // namespace tintwell::e2e
