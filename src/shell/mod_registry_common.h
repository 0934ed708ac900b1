#pragma once

#include <cstdint>
#include <string>

#include "shell/ports.h"

namespace tintwell {

// Status codes besides the platform's own error codes.
inline constexpr int32_t kStatusSuccess = 0;
inline constexpr int32_t kStatusNoCall = 99;

// The maker's key in the current user's hive: every tool's settings live below it.
inline constexpr const char* kMakerKeyPath = "Software\\Quenlark";

int32_t RegReadInt(Registry& registry, RegistryKey root, const std::string& keyPath,
                   const std::string& valueName, int32_t defaultValue, int32_t& value);
int32_t RegWriteInt(Registry& registry, RegistryKey root, const std::string& keyPath,
                    const std::string& valueName, int32_t value);
int32_t WriteAppSetting(Registry& registry, const std::string& subKey, const std::string& valueName,
                        int32_t value);
int32_t MathClampLng3(int32_t lower, int32_t upper, int32_t value);

}  // namespace tintwell
