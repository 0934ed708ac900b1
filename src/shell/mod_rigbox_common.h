#pragma once

#include <cstdint>
#include <string>

#include "shell/ports.h"

namespace tintwell {

inline constexpr const char* kLanguageValueName = "Language";
inline constexpr const char* kQualitySubKey = "Rigbox";
inline constexpr const char* kQualityValueName = "Tintwell-Quality";

inline constexpr int32_t kLanguageHungarian = 0;
inline constexpr int32_t kLanguageEnglish = 1;

int32_t ReadLanguage(Registry& registry);
bool WriteLanguage(Registry& registry, int32_t code);
int32_t ReadAppSetting(Registry& registry, const std::string& subKey, const std::string& valueName,
                       int32_t defaultValue);
int32_t OpenHomePage(Platform& platform);

}  // namespace tintwell
