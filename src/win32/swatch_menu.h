#pragma once

// The swatch's menu: the colour's forms, a separator, the paste item.

#include <windows.h>

#include <functional>
#include <optional>

#include "fields/color_forms.h"

namespace tintwell::win32 {

// The choice of the paste item; a copy item's choice is its form.
inline constexpr int kPasteItem = kColorFormCount;

// Sees each key that goes down or up while the menu is open, as the
// message loop's key preview would have.
using MenuKeyPreview = std::function<void(MSG&)>;

// Opens the menu at a point of the screen and waits until it closes; nothing
// when it closed without a choice.
std::optional<int> chooseFromSwatchMenu(HWND owner, POINT at, const SwatchMenu& menu,
                                        const MenuKeyPreview& preview);

}  // namespace tintwell::win32
