#include "shell/mod_registry_common.h"

#include <array>

namespace tintwell {

namespace {

// Settings are stored as the low 16 bits of the value, low byte first.
constexpr uint32_t kStoredSize = 2;
using ValueBytes = std::array<uint8_t, sizeof(int32_t)>;

ValueBytes toBytes(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  return {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
          static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
}

int32_t fromBytes(const ValueBytes& bytes) {
  return static_cast<int32_t>(
      static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
      (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24));
}

}  // namespace

// The stored bytes land over the low bytes of the default, so a 1-byte value
// replaces only the lowest byte. A value longer than 2 bytes fails the query.
int32_t RegReadInt(Registry& registry, RegistryKey root, const std::string& keyPath,
                   const std::string& valueName, int32_t defaultValue, int32_t& value) {
  value = defaultValue;
  if (root == 0) return kStatusNoCall;

  RegistryKey key = 0;
  const int32_t opened = registry.openKey(root, keyPath, kKeyQueryValue, key);
  if (opened != kStatusSuccess) return opened;

  ValueBytes buffer = toBytes(defaultValue);
  uint32_t size = kStoredSize;
  int32_t status = registry.queryValue(key, valueName, buffer.data(), size);
  // The platform leaves the buffer undefined on failure: keep the default.
  if (status == kStatusSuccess) value = fromBytes(buffer);

  const int32_t closed = registry.closeKey(key);
  if (status == kStatusSuccess) status = closed;
  return status;
}

int32_t RegWriteInt(Registry& registry, RegistryKey root, const std::string& keyPath,
                    const std::string& valueName, int32_t value) {
  if (root == 0) return kStatusNoCall;

  RegistryKey key = 0;
  const int32_t created = registry.createKey(root, keyPath, kKeySetValue | kKeyCreateSubKey, key);
  if (created != kStatusSuccess) return created;

  const ValueBytes bytes = toBytes(value);
  int32_t status = registry.setValue(key, valueName, kRegBinary, bytes.data(), kStoredSize);

  const int32_t closed = registry.closeKey(key);
  if (status == kStatusSuccess) status = closed;
  return status;
}

int32_t WriteAppSetting(Registry& registry, const std::string& subKey, const std::string& valueName,
                        int32_t value) {
  return RegWriteInt(registry, kHkeyCurrentUser, std::string(kMakerKeyPath) + "\\" + subKey,
                     valueName, value);
}

// The lower bound first: with lower above upper the result is upper.
int32_t MathClampLng3(int32_t lower, int32_t upper, int32_t value) {
  int32_t result = value;
  if (result < lower) result = lower;
  if (result > upper) result = upper;
  return result;
}

}  // namespace tintwell
