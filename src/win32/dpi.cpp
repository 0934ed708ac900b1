#include "win32/dpi.h"

#include <cstdlib>

#include "shell/display_scale.h"
#include "win32/handles.h"
#include "win32/picture_scales.h"

namespace tintwell::win32 {

namespace {

constexpr int kPerCent = 100;

template <typename Function>
Function user32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)));
}

}  // namespace

int systemDpi() {
  const WindowDc screen(nullptr, WindowDc::Area::client);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDesignDpi;
}

int dpiOfWindow(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (getDpiForWindow != nullptr) {
    const auto dpi = static_cast<int>(getDpiForWindow(window));
    if (dpi > 0) return dpi;
  }
  return systemDpi();
}

int pictureScaleIndex(int dpi) {
  const int scale = dpi * kPerCent / kDesignDpi;
  int nearest = 0;
  for (int index = 1; index < static_cast<int>(kPictureScales.size()); ++index) {
    if (std::abs(kPictureScales[static_cast<size_t>(index)] - scale) <
        std::abs(kPictureScales[static_cast<size_t>(nearest)] - scale)) {
      nearest = index;
    }
  }
  return nearest;
}

}  // namespace tintwell::win32
