#pragma once

// Real input through SendInput, as the keyboard and mouse drivers deliver it.

#include <windows.h>

#include <span>
#include <string_view>

namespace tintwell::e2e {

// Makes the window the foreground one, which keyboard input goes to; under
// Wine without a window manager this is the only way to give it the focus.
bool bringToFront(HWND window);
// Moves the pointer to a screen point, and moves it again until it is there:
// under Wine the program's own display connection now and then reports an
// earlier place after a later one, which puts the pointer back there.
bool movePointer(POINT screen);
bool click(POINT screen);
// Both clicks in one SendInput, well inside the double-click time.
bool doubleClick(POINT screen);
// One button or key event: MOUSEEVENTF_LEFTDOWN and the like; a key's down or up.
void sendButton(DWORD flags);
void sendKey(WORD virtualKey, bool release);
void pressKey(WORD virtualKey);
// Each key pressed and released, one after another, in a single SendInput:
// the program finds them all queued at once, as from a paste tool.
void sendKeyBurst(std::span<const WORD> virtualKeys);
// Characters that need no SHIFT (it would start the colour sampler).
void typeText(std::string_view text);

}  // namespace tintwell::e2e
