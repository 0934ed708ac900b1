#pragma once

#include <array>
#include <cstdint>

namespace tintwell {

// What one language says on the window.
struct Captions {
  const char* title;
  const char* samplingHint;
  const char* qualityLabel;
  std::array<const char*, 3> qualities;  // High, Medium, Low
  const char* pasteColor;                // the swatch menu's last item
};

// The captions of a language code: 0 Hungarian, anything else English.
const Captions& captionsFor(int32_t code);

// The language code last applied: 0 Hungarian, anything else English.
inline int32_t iLanguage = 0;

}  // namespace tintwell
