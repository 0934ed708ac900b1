#pragma once

// One window procedure for every window class of ours: the object passed at
// creation is stored with its window at WM_NCCREATE and handles each message.

#include <windows.h>

namespace tintwell::win32 {

template <typename Owner, HWND Owner::*kWindow, LRESULT (Owner::*kOnMessage)(UINT, WPARAM, LPARAM)>
LRESULT CALLBACK ownedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* owner = static_cast<Owner*>(creation->lpCreateParams);
    owner->*kWindow = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return (owner->*kOnMessage)(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the system's frames; the event is dropped.
    return 0;
  }
}

}  // namespace tintwell::win32
