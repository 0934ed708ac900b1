#pragma once

// Real input through SendInput, as the keyboard and mouse drivers deliver it.

#include <windows.h>

#include <string_view>

namespace tintwell::e2e {

// Makes the window the foreground one, which keyboard input goes to; under
// Wine without a window manager this is the only way to give it the focus.
bool bringToFront(HWND window);
// Moves the pointer to a screen point; true when it got there.
bool movePointer(POINT screen);
bool click(POINT screen);
void pressKey(WORD virtualKey);
// Characters that need no SHIFT (it would start the colour sampler).
void typeText(std::string_view text);

}  // namespace tintwell::e2e
