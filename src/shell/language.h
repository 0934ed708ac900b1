#pragma once

#include <cstdint>

namespace tintwell {

// The language code last applied: 0 Hungarian, anything else English.
inline int32_t iLanguage = 0;

}  // namespace tintwell
