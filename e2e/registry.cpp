#include "registry.h"

#include <cstring>
#include <utility>

#include "win32/handles.h"

namespace tintwell::e2e {

namespace {

std::optional<win32::RegistryKeyHandle> openUserKey(const std::wstring& path, REGSAM access) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return win32::RegistryKeyHandle(opened);
}

std::optional<win32::RegistryKeyHandle> createUserKey(const std::wstring& path) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &created, nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return win32::RegistryKeyHandle(created);
}

// Copies the key's whole tree to a new key; true when there was nothing to copy.
bool copyUserKey(const std::wstring& from, const std::wstring& to) {
  const auto source = openUserKey(from, KEY_READ);
  if (!source) return true;
  const auto target = createUserKey(to);
  return target && RegCopyTreeW(source->get(), nullptr, target->get()) == ERROR_SUCCESS;
}

}  // namespace

UserSettingsGuard::UserSettingsGuard(std::wstring savedKey)
    : savedKey_(std::move(savedKey)), savedCopy_(savedKey_ + L"\\Quenlark") {
  if (userKeyExists(savedKey_)) {
    saved_ = true;
    return;
  }
  saved_ = createUserKey(savedKey_) && copyUserKey(kMakerKey, savedCopy_);
  if (!saved_) deleteUserKey(savedKey_);
}

UserSettingsGuard::~UserSettingsGuard() {
  if (!saved_) return;
  if (deleteUserKey(kMakerKey) && copyUserKey(savedCopy_, kMakerKey)) deleteUserKey(savedKey_);
}

bool userKeyExists(const std::wstring& path) {
  return openUserKey(path, KEY_READ).has_value();
}

bool deleteUserKey(const std::wstring& path) {
  const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::optional<StoredValue> readUserValue(const std::wstring& path, const std::wstring& name) {
  const auto key = openUserKey(path, KEY_QUERY_VALUE);
  if (!key) return std::nullopt;
  StoredValue value;
  DWORD size = 0;
  if (RegQueryValueExW(key->get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.bytes.resize(size);
  if (RegQueryValueExW(key->get(), name.c_str(), nullptr, &value.type, value.bytes.data(), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.bytes.resize(size);
  return value;
}

bool writeUserValue(const std::wstring& path, const std::wstring& name, const StoredValue& value) {
  const auto key = createUserKey(path);
  return key && RegSetValueExW(key->get(), name.c_str(), 0, value.type, value.bytes.data(),
                               static_cast<DWORD>(value.bytes.size())) == ERROR_SUCCESS;
}

bool deleteUserValue(const std::wstring& path, const std::wstring& name) {
  const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

StoredValue dwordValue(DWORD value) {
  StoredValue stored{REG_DWORD, std::vector<uint8_t>(sizeof value)};
  std::memcpy(stored.bytes.data(), &value, sizeof value);
  return stored;
}

UserValueGuard::UserValueGuard(std::wstring path, std::wstring name, const StoredValue& value)
    : path_(std::move(path)), name_(std::move(name)), previous_(readUserValue(path_, name_)) {
  written_ = writeUserValue(path_, name_, value);
}

UserValueGuard::~UserValueGuard() {
  if (previous_) {
    writeUserValue(path_, name_, *previous_);
  } else {
    deleteUserValue(path_, name_);
  }
}

}  // namespace tintwell::e2e
