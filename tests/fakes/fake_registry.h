#pragma once

// An in-memory registry that answers the settings store's five calls with the
// status codes Windows gives, with fault injection and a record of the calls.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "shell/ports.h"

namespace tintwell {

// Win32 status codes the fake answers with.
inline constexpr int32_t kErrorSuccess = 0;
inline constexpr int32_t kErrorFileNotFound = 2;
inline constexpr int32_t kErrorAccessDenied = 5;
inline constexpr int32_t kErrorInvalidHandle = 6;
inline constexpr int32_t kErrorBadPathname = 161;
inline constexpr int32_t kErrorMoreData = 234;

inline constexpr uint32_t kRegDword = 4u;

class FakeRegistry : public Registry {
 public:
  enum class Function { kOpenKey, kQueryValue, kCreateKey, kSetValue, kCloseKey };

  struct Call {
    Function function = Function::kOpenKey;
    std::string path;     // the key's full path under the root, as the caller spelt it
    std::string name;     // value name (query, set)
    uint32_t access = 0;  // open, create
    uint32_t type = 0;    // set
    uint32_t size = 0;    // query: buffer size given; set: data size
    int32_t result = 0;
  };

  // Registry. Paths are relative to kHkeyCurrentUser or to an open key.
  int32_t openKey(RegistryKey root, const std::string& path, uint32_t access,
                  RegistryKey& key) override;
  int32_t queryValue(RegistryKey key, const std::string& name, uint8_t* data,
                     uint32_t& size) override;
  int32_t createKey(RegistryKey root, const std::string& path, uint32_t access,
                    RegistryKey& key) override;
  int32_t setValue(RegistryKey key, const std::string& name, uint32_t type, const uint8_t* data,
                   uint32_t size) override;
  int32_t closeKey(RegistryKey key) override;

  // Contents, by path under HKEY_CURRENT_USER; setting a value creates its
  // key and the key's parents.
  void addKey(const std::string& path);
  void setBinary(const std::string& path, const std::string& name,
                 const std::vector<uint8_t>& bytes);
  void setValueOfType(const std::string& path, const std::string& name, uint32_t type,
                      const std::vector<uint8_t>& bytes);
  bool hasKey(const std::string& path) const;
  // The stored bytes whatever their type; nullopt when there is no such value.
  std::optional<std::vector<uint8_t>> binary(const std::string& path,
                                             const std::string& name) const;
  std::optional<uint32_t> type(const std::string& path, const std::string& name) const;

  // Faults. denyAccess makes opening and creating exactly that key fail.
  void denyAccess(const std::string& path);
  void failWrites(int32_t code);  // 0 lets writes succeed again
  // A failing close still releases the handle, so leaks stay visible.
  void failCloses(int32_t code);

  int openHandleCount() const { return static_cast<int>(handles_.size()); }
  const std::vector<Call>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }

 private:
  struct Value {
    uint32_t type = 0;
    std::vector<uint8_t> bytes;
  };
  struct Key {
    std::map<std::string, Value> values;  // by lower-case name
  };
  struct Handle {
    std::string path;  // normalised
    std::string spelt;
    uint32_t access = 0;
  };

  // The normalised full path of root\path, or nullopt for an unknown root.
  std::optional<Handle> resolve(RegistryKey root, const std::string& path) const;
  const Value* findValue(const std::string& path, const std::string& name) const;
  RegistryKey newHandle(const Handle& handle);
  static Call newCall(Function function, const std::string& path);
  int32_t record(Call call);

  std::map<std::string, Key> keys_{{"", Key{}}};  // by normalised path; "" is the root
  std::map<RegistryKey, Handle> handles_;
  std::set<std::string> denied_;
  int32_t writeFault_ = 0;
  int32_t closeFault_ = 0;
  RegistryKey nextHandle_ = kFirstHandle;
  std::vector<Call> calls_;

  static constexpr RegistryKey kFirstHandle = 0x100;
  static constexpr RegistryKey kHandleStep = 4;  // as the system numbers handles
};

}  // namespace tintwell
