#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "shell/layout.h"

namespace tintwell {

// What one language says in the title and the quality list; the labels that
// follow the language say it in their rows of the layout table.
struct Captions {
  const char* title;
  std::array<const char*, 3> qualities;  // High, Medium, Low
  const char* pasteColor;                // the swatch menu's last item
};

// The captions of a language code: 0 Hungarian, anything else English.
const Captions& captionsFor(int32_t code);
// A label's caption in a language, where it follows the language.
std::string_view captionIn(const layout::ControlDesign& design, int32_t code);

// The language code last applied: 0 Hungarian, anything else English.
inline int32_t iLanguage = 0;

}  // namespace tintwell
