#include "key_access.h"

#include <optional>
#include <utility>

#include "win32/handles.h"

namespace tintwell::e2e {

namespace {

std::optional<win32::RegistryKeyHandle> openForSecurity(const std::wstring& path) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, READ_CONTROL | WRITE_DAC, &opened) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return win32::RegistryKeyHandle(opened);
}

std::vector<uint8_t> currentUserSid() {
  HANDLE opened = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &opened)) return {};
  const win32::KernelHandle token(opened);
  DWORD size = 0;
  GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
  std::vector<uint8_t> user(size);
  if (size == 0 || !GetTokenInformation(token.get(), TokenUser, user.data(), size, &size)) {
    return {};
  }
  const PSID sid = reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
  const auto* first = static_cast<const uint8_t*>(sid);
  return {first, first + GetLengthSid(sid)};
}

// Denies the rights to the user first, then allows the user everything else;
// a denying entry wins over an allowing one only when it comes first.
std::vector<uint8_t> denyingAcl(std::vector<uint8_t>& sid, REGSAM denied) {
  const DWORD entry = sizeof(ACCESS_DENIED_ACE) + static_cast<DWORD>(sid.size());
  std::vector<uint8_t> acl(sizeof(ACL) + 2 * entry);
  auto* list = reinterpret_cast<ACL*>(acl.data());
  if (!InitializeAcl(list, static_cast<DWORD>(acl.size()), ACL_REVISION) ||
      !AddAccessDeniedAce(list, ACL_REVISION, denied, sid.data()) ||
      !AddAccessAllowedAce(list, ACL_REVISION, KEY_ALL_ACCESS, sid.data())) {
    return {};
  }
  return acl;
}

}  // namespace

DeniedKeyAccess::DeniedKeyAccess(std::wstring path, REGSAM denied) : path_(std::move(path)) {
  const auto key = openForSecurity(path_);
  if (!key) return;
  DWORD size = 0;
  RegGetKeySecurity(key->get(), DACL_SECURITY_INFORMATION, nullptr, &size);
  saved_.resize(size);
  if (size == 0 || RegGetKeySecurity(key->get(), DACL_SECURITY_INFORMATION, saved_.data(), &size) !=
                       ERROR_SUCCESS) {
    return;
  }
  std::vector<uint8_t> sid = currentUserSid();
  std::vector<uint8_t> acl = sid.empty() ? std::vector<uint8_t>{} : denyingAcl(sid, denied);
  SECURITY_DESCRIPTOR descriptor{};
  if (acl.empty() || !InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
      !SetSecurityDescriptorDacl(&descriptor, TRUE, reinterpret_cast<ACL*>(acl.data()), FALSE)) {
    return;
  }
  applied_ = RegSetKeySecurity(key->get(), DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
}

bool DeniedKeyAccess::restore() {
  if (!applied_) return true;
  const auto key = openForSecurity(path_);
  if (!key ||
      RegSetKeySecurity(key->get(), DACL_SECURITY_INFORMATION, saved_.data()) != ERROR_SUCCESS) {
    return false;
  }
  applied_ = false;
  return true;
}

}  // namespace tintwell::e2e
