#pragma once

// Whether this process runs under Wine, for the few checks Wine cannot make
// (it keeps no per-process GDI count) and the tools only it has.

#include <windows.h>

namespace tintwell::win32 {

inline bool runningUnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace tintwell::win32
