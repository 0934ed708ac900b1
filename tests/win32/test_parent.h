#pragma once

// A hidden window for controls under test, gone with this owner; as the main
// window does, it hands its controls' notifications on. Declared after the
// wrappers it holds, so that their windows go before they do.

#include <windows.h>

#include <functional>
#include <utility>

#include "win32/window_procedure.h"

namespace tintwell::win32 {

class TestParent {
 public:
  // The control that sent a WM_COMMAND, and its notification code.
  using Commands = std::function<void(HWND control, WORD code)>;

  TestParent(int width, int height, Commands commands = {}) : commands_(std::move(commands)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc =
        &ownedWindowProc<TestParent, &TestParent::window_, &TestParent::onMessage>;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    // Registered by the first parent; later registrations fail and change nothing.
    RegisterClassExW(&windowClass);
    CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                    windowClass.hInstance, this);
  }
  ~TestParent() { DestroyWindow(window_); }
  TestParent(const TestParent&) = delete;
  TestParent& operator=(const TestParent&) = delete;

  HWND get() const { return window_; }

 private:
  static constexpr const wchar_t* kClassName = L"TintwellTestParent";

  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && commands_) {
      commands_(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
  }

  Commands commands_;
  HWND window_ = nullptr;
};

}  // namespace tintwell::win32
