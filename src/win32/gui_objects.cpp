#include "win32/gui_objects.h"

#include "win32/wine.h"

namespace tintwell::win32 {

namespace {

// Wine's GDI handle table has 65,536 slots per process, and a handle whose
// high word is 0 names whatever object its slot holds: the slots that answer
// GetObjectType are the live objects. Its USER handles fit the same range.
constexpr ULONG_PTR kHandleSlots = 0x10000;

DWORD gdiObjectsUnderWine() {
  DWORD objects = 0;
  for (ULONG_PTR slot = 1; slot < kHandleSlots; ++slot) {
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

// A USER handle's slot is every other low word from 0x20 on; a high word of
// 0 names whatever that slot holds, as for GDI.
constexpr ULONG_PTR kFirstUserHandle = 0x20;
constexpr ULONG_PTR kUserHandleStep = 2;

DWORD menusUnderWine() {
  DWORD menus = 0;
  for (ULONG_PTR slot = kFirstUserHandle; slot < kHandleSlots; slot += kUserHandleStep) {
    if (IsMenu(reinterpret_cast<HMENU>(slot))) ++menus;
  }
  return menus;
}

// Under Wine the windows, top-level and child, and the menus stand for the
// USER objects; the cursors and icons are shared ones the system keeps.
DWORD userObjectsUnderWine() {
  DWORD windows = 0;
  EnumWindows(countOwnWindow, reinterpret_cast<LPARAM>(&windows));
  return windows + menusUnderWine();
}

}  // namespace

GuiObjects guiObjectsOfThisProcess() {
  if (runningUnderWine()) return {gdiObjectsUnderWine(), userObjectsUnderWine()};
  return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
}

}  // namespace tintwell::win32
