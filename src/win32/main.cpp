#include <windows.h>

#include <commctrl.h>

#include "win32/main_window.h"

namespace {

// Resolved at run time: Windows 7 without its loader update lacks it.
void restrictDllSearchToSystem32() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return;
  const FARPROC found = GetProcAddress(kernel, "SetDefaultDllDirectories");
  if (found == nullptr) return;
  const auto setDefaultDllDirectories =
      reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found));
  setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  restrictDllSearchToSystem32();

  INITCOMMONCONTROLSEX commonControls{};
  commonControls.dwSize = sizeof(commonControls);
  commonControls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&commonControls);

  try {
    tintwell::win32::MainWindow window(instance);
    if (!window.open(showCommand)) return 1;
    return window.run();
  } catch (...) {
    return 1;
  }
}
