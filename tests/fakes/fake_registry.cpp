#include "fakes/fake_registry.h"

#include <algorithm>

namespace tintwell {

namespace {

constexpr char kSeparator = '\\';

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char character) {
    return (character >= 'A' && character <= 'Z') ? static_cast<char>(character - 'A' + 'a')
                                                  : character;
  });
  return text;
}

// Key names compare without case; empty components ("a\\\\b", a trailing
// separator) are dropped as the system drops them.
std::vector<std::string> components(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (const char character : path + kSeparator) {
    if (character != kSeparator) {
      part.push_back(character);
    } else if (!part.empty()) {
      parts.push_back(lowerCase(part));
      part.clear();
    }
  }
  return parts;
}

std::string joined(const std::string& parent, const std::string& child) {
  if (parent.empty()) return child;
  if (child.empty()) return parent;
  return parent + kSeparator + child;
}

std::string normalised(const std::string& path) {
  std::string result;
  for (const auto& part : components(path)) result = joined(result, part);
  return result;
}

}  // namespace

std::optional<FakeRegistry::Handle> FakeRegistry::resolve(RegistryKey root,
                                                          const std::string& path) const {
  Handle parent;
  if (root != kHkeyCurrentUser) {
    const auto open = handles_.find(root);
    if (open == handles_.end()) return std::nullopt;
    parent = open->second;
  }
  return Handle{joined(parent.path, normalised(path)), joined(parent.spelt, path), 0};
}

int32_t FakeRegistry::openKey(RegistryKey root, const std::string& path, uint32_t access,
                              RegistryKey& key) {
  auto target = resolve(root, path);
  Call call = newCall(Function::kOpenKey, target ? target->spelt : path);
  call.access = access;
  if (!target) {
    call.result = kErrorInvalidHandle;
  } else if (denied_.count(target->path) != 0) {
    call.result = kErrorAccessDenied;
  } else if (keys_.count(target->path) == 0) {
    call.result = kErrorFileNotFound;
  } else {
    target->access = access;
    key = newHandle(*target);
  }
  return record(call);
}

int32_t FakeRegistry::createKey(RegistryKey root, const std::string& path, uint32_t access,
                                RegistryKey& key) {
  auto target = resolve(root, path);
  Call call = newCall(Function::kCreateKey, target ? target->spelt : path);
  call.access = access;
  if (!target) {
    call.result = kErrorInvalidHandle;
  } else if (!path.empty() && path.front() == kSeparator) {
    call.result = kErrorBadPathname;  // documented for RegCreateKeyEx
  } else if (denied_.count(target->path) != 0) {
    call.result = kErrorAccessDenied;
  } else {
    addKey(target->path);
    target->access = access;
    key = newHandle(*target);
  }
  return record(call);
}

int32_t FakeRegistry::queryValue(RegistryKey key, const std::string& name, uint8_t* data,
                                 uint32_t& size) {
  const auto open = handles_.find(key);
  Call call = newCall(Function::kQueryValue, open != handles_.end() ? open->second.spelt : "");
  call.name = name;
  call.size = size;
  if (open == handles_.end()) {
    call.result = kErrorInvalidHandle;
  } else if ((open->second.access & kKeyQueryValue) == 0) {
    call.result = kErrorAccessDenied;
  } else if (const Value* value = findValue(open->second.path, name); value == nullptr) {
    call.result = kErrorFileNotFound;
  } else {
    const auto needed = static_cast<uint32_t>(value->bytes.size());
    // Without a buffer the call only reports the size. A short buffer gets
    // the size needed, and its contents are undefined: fill it with what fits,
    // so a caller that trusts it shows.
    if (data != nullptr) {
      std::copy_n(value->bytes.begin(), std::min(needed, size), data);
      if (needed > size) call.result = kErrorMoreData;
    }
    size = needed;
  }
  return record(call);
}

int32_t FakeRegistry::setValue(RegistryKey key, const std::string& name, uint32_t type,
                               const uint8_t* data, uint32_t size) {
  const auto open = handles_.find(key);
  Call call = newCall(Function::kSetValue, open != handles_.end() ? open->second.spelt : "");
  call.name = name;
  call.type = type;
  call.size = size;
  if (open == handles_.end()) {
    call.result = kErrorInvalidHandle;
  } else if ((open->second.access & kKeySetValue) == 0) {
    call.result = kErrorAccessDenied;
  } else if (writeFault_ != 0) {
    call.result = writeFault_;
  } else {
    Value& value = keys_[open->second.path].values[lowerCase(name)];
    value.type = type;
    value.bytes.assign(data, data + (data != nullptr ? size : 0));
  }
  return record(call);
}

int32_t FakeRegistry::closeKey(RegistryKey key) {
  const auto open = handles_.find(key);
  Call call = newCall(Function::kCloseKey, open != handles_.end() ? open->second.spelt : "");
  if (key == kHkeyCurrentUser) {
    call.result = kErrorSuccess;  // the predefined root is never really closed
  } else if (open == handles_.end()) {
    call.result = kErrorInvalidHandle;
  } else {
    handles_.erase(open);
    call.result = closeFault_;
  }
  return record(call);
}

void FakeRegistry::addKey(const std::string& path) {
  std::string prefix;
  for (const auto& part : components(path)) {
    prefix = joined(prefix, part);
    keys_[prefix];
  }
}

void FakeRegistry::setBinary(const std::string& path, const std::string& name,
                             const std::vector<uint8_t>& bytes) {
  setValueOfType(path, name, kRegBinary, bytes);
}

void FakeRegistry::setValueOfType(const std::string& path, const std::string& name, uint32_t type,
                                  const std::vector<uint8_t>& bytes) {
  addKey(path);
  keys_[normalised(path)].values[lowerCase(name)] = Value{type, bytes};
}

bool FakeRegistry::hasKey(const std::string& path) const {
  return keys_.count(normalised(path)) != 0;
}

std::optional<std::vector<uint8_t>> FakeRegistry::binary(const std::string& path,
                                                         const std::string& name) const {
  const Value* value = findValue(normalised(path), name);
  if (value == nullptr) return std::nullopt;
  return value->bytes;
}

std::optional<uint32_t> FakeRegistry::type(const std::string& path, const std::string& name) const {
  const Value* value = findValue(normalised(path), name);
  if (value == nullptr) return std::nullopt;
  return value->type;
}

void FakeRegistry::denyAccess(const std::string& path) {
  denied_.insert(normalised(path));
}

void FakeRegistry::failWrites(int32_t code) {
  writeFault_ = code;
}

void FakeRegistry::failCloses(int32_t code) {
  closeFault_ = code;
}

const FakeRegistry::Value* FakeRegistry::findValue(const std::string& path,
                                                   const std::string& name) const {
  const auto key = keys_.find(path);
  if (key == keys_.end()) return nullptr;
  const auto value = key->second.values.find(lowerCase(name));
  return value == key->second.values.end() ? nullptr : &value->second;
}

RegistryKey FakeRegistry::newHandle(const Handle& handle) {
  const RegistryKey key = nextHandle_;
  nextHandle_ += kHandleStep;
  handles_.emplace(key, handle);
  return key;
}

FakeRegistry::Call FakeRegistry::newCall(Function function, const std::string& path) {
  Call call;
  call.function = function;
  call.path = path;
  return call;
}

int32_t FakeRegistry::record(Call call) {
  calls_.push_back(call);
  return call.result;
}

}  // namespace tintwell
