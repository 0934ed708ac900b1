#pragma once

// The system's accessibility and COM entry points, loaded from the system
// folder when a screen reader first asks for an object: a window nobody
// reads neither loads them nor starts COM.

#include <oleacc.h>
#include <windows.h>

#include <memory>
#include <string_view>

#include "win32/handles.h"

namespace tintwell::win32 {

class AccessibilityRuntime {
 public:
  // nullptr when a library or an entry point is missing, or COM would not start.
  static std::unique_ptr<AccessibilityRuntime> load();
  ~AccessibilityRuntime();
  AccessibilityRuntime(const AccessibilityRuntime&) = delete;
  AccessibilityRuntime& operator=(const AccessibilityRuntime&) = delete;

  // The system's own object of a window; nullptr when it has none.
  IAccessible* standardObject(HWND window, LONG objectId) const;
  // The answer to WM_GETOBJECT that hands the object over; it keeps its own reference.
  LRESULT resultFromObject(WPARAM wParam, IAccessible* object) const;
  // A string the caller frees, as COM hands strings over; nullptr when out of memory.
  BSTR string(std::wstring_view text) const;

 private:
  AccessibilityRuntime() = default;

  using CreateStandard = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
  using ResultFromObject = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
  using AllocateString = BSTR(WINAPI*)(const OLECHAR*, UINT);
  using StartCom = HRESULT(WINAPI*)(LPVOID, DWORD);
  using EndCom = void(WINAPI*)();

  Library ole32_;
  Library oleaut32_;
  Library oleacc_;
  CreateStandard createStandard_ = nullptr;
  ResultFromObject resultFromObject_ = nullptr;
  AllocateString allocateString_ = nullptr;
  EndCom endCom_ = nullptr;
};

}  // namespace tintwell::win32
