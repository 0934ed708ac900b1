#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/color_state.h"
#include "fields/hex_reading.h"

namespace tintwell {

// The forms the colour is copied in, in the order the swatch's menu lists them.
enum ColorForm : int { kHashHexForm = 0, kBareHexForm, kUpperHexForm, kRgbForm, kHslForm };
inline constexpr int kColorFormCount = 5;

// Each form's text for the colour; the channel copies must be derived first.
std::array<std::string, kColorFormCount> colorFormTexts(const ColorState& color);

// What the swatch's menu shows as it opens: the colour's forms, then the
// paste item, greyed when the clipboard holds no colour.
struct SwatchMenu {
  std::array<std::string, kColorFormCount> forms;
  std::string pasteCaption;
  bool pasteEnabled = false;
};

// A pasted text as a colour: #rrggbb, rrggbb, #rgb or rgb(r, g, b), with
// blanks at either end; nothing for any other text.
std::optional<HexChannels> readPastedColor(std::string_view text);

}  // namespace tintwell
