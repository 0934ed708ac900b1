#include "win32/gui_objects.h"

#include "win32/wine.h"

namespace tintwell::win32 {

namespace {

// Wine's GDI handle table has 65,536 slots per process, and a handle whose
// high word is 0 names whatever object its slot holds: the slots that answer
// GetObjectType are the live objects.
constexpr ULONG_PTR kGdiHandleSlots = 0x10000;

DWORD gdiObjectsUnderWine() {
  DWORD objects = 0;
  for (ULONG_PTR slot = 1; slot < kGdiHandleSlots; ++slot) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++objects;
  }
  return objects;
}

BOOL CALLBACK countWindow(HWND, LPARAM counted) {
  ++*reinterpret_cast<DWORD*>(counted);
  return TRUE;
}

BOOL CALLBACK countOwnWindow(HWND window, LPARAM counted) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != GetCurrentProcessId()) return TRUE;
  countWindow(window, counted);
  EnumChildWindows(window, countWindow, counted);
  return TRUE;
}

// Under Wine the windows, top-level and child, stand for the USER objects.
DWORD windowsOfThisProcess() {
  DWORD windows = 0;
  EnumWindows(countOwnWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace

GuiObjects guiObjectsOfThisProcess() {
  if (runningUnderWine()) return {gdiObjectsUnderWine(), windowsOfThisProcess()};
  return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}

}  // namespace tintwell::win32
