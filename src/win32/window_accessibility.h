#pragma once

// The window as screen readers see it: answers their requests for objects,
// and tells them what changed after each event the window handled.

#include <windows.h>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "shell/accessible.h"
#include "win32/accessibility_runtime.h"
#include "win32/accessible_object.h"

namespace tintwell::win32 {

class WindowAccessibility {
 public:
  explicit WindowAccessibility(AccessibleControls& controls);
  ~WindowAccessibility();
  WindowAccessibility(const WindowAccessibility&) = delete;
  WindowAccessibility& operator=(const WindowAccessibility&) = delete;

  // Lets a standard control answer a reader's request for its object. Its
  // window procedure is replaced rather than chained through the common
  // controls: those keep their chain in a window property, which costs a
  // trip to the window server on every message under Wine.
  void watch(HWND control, const accessible::AccessibleDesign& design);
  // WM_GETOBJECT for the window's client area (design nullptr) or a
  // control's; nullopt leaves it to the system.
  std::optional<LRESULT> answer(HWND window, const accessible::AccessibleDesign* design,
                                WPARAM wParam, LPARAM lParam);
  // Reads every control again and raises an event for each thing that
  // changed since the last reading; the first reading raises none.
  void update(HWND form);
  // The window is going: objects a reader still holds answer from now on
  // that they are no longer connected.
  void detach();

 private:
  struct Watched {
    WindowAccessibility* owner;
    WNDPROC original;
    const accessible::AccessibleDesign* design;
  };
  static LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam,
                                           LPARAM lParam);
  void raise(HWND form, const accessible::ChangeOf& change);

  AccessibleControls& controls_;
  std::shared_ptr<AccessibleLink> link_;
  std::unique_ptr<AccessibilityRuntime> runtime_;
  bool runtimeTried_ = false;
  std::vector<accessible::Facts> readings_;
  std::deque<Watched> watched_;  // each control keeps the address of its entry
};

}  // namespace tintwell::win32
