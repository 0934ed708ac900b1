#pragma once

// A registry key that refuses the current user some rights for the length of
// a test: its access list is replaced, and the old one put back afterwards.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tintwell::e2e {

class DeniedKeyAccess {
 public:
  // Denies the rights on the existing key under HKEY_CURRENT_USER.
  DeniedKeyAccess(std::wstring path, REGSAM denied);
  DeniedKeyAccess(const DeniedKeyAccess&) = delete;
  DeniedKeyAccess& operator=(const DeniedKeyAccess&) = delete;
  ~DeniedKeyAccess() { restore(); }

  bool applied() const { return applied_; }
  // Puts the saved access list back; true when it is back.
  bool restore();

 private:
  std::wstring path_;
  std::vector<uint8_t> saved_;  // the key's own security descriptor, DACL part
  bool applied_ = false;
};

}  // namespace tintwell::e2e
