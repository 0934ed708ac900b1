#pragma once

#include <cstdint>
#include <string>

namespace tintwell {

// The release, as the version resource also states it.
inline constexpr int16_t kVersionMajor = 1;
inline constexpr int16_t kVersionMinor = 3;
inline constexpr int16_t kVersionRevision = 0;

inline std::string versionText() {
  std::string text(1, 'v');
  text.append(std::to_string(kVersionMajor)).append(1, '.');
  text.append(std::to_string(kVersionMinor)).append(1, '.');
  text.append(std::to_string(kVersionRevision));
  return text;
}

}  // namespace tintwell
