#pragma once

// How many GDI and USER objects this process holds, counted in a way Wine
// supports too: its GetGuiResources always answers 0.

#include <windows.h>

namespace tintwell::win32 {

struct GuiObjects {
  DWORD gdi = 0;
  DWORD user = 0;
  bool operator==(const GuiObjects&) const = default;
};

GuiObjects guiObjectsOfThisProcess();

// The program answers it with its counts, GDI in the low half of the result
// and USER in the high one, when started with TINTWELL_COUNT_OBJECTS set.
inline constexpr const wchar_t* kCountObjectsMessage = L"TintwellCountObjects";
inline constexpr int kUserObjectsShift = 32;

}  // namespace tintwell::win32
