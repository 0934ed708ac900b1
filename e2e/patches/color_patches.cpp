// A window of known colours for the sampler to read: a row of square patches
// at a given place on the screen, shown until the program is ended. With the
// colour "cycle", one patch that takes a new colour every few milliseconds,
// so that every sample of a sampler differs from the one before. With
// "checker", one patch whose pixels alternate between two colours as on a
// chessboard, one screen pixel each, at any display scale.
// Usage: tintwell_patches LEFT TOP SIZE (RRGGBB [RRGGBB ...] | cycle | checker RRGGBB RRGGBB)

#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <vector>

namespace {

struct Patches {
  int size = 0;
  bool checker = false;
  std::vector<COLORREF> colors;
};

Patches patches;

constexpr UINT_PTR kCycleTimer = 1;
constexpr UINT kCycleMilliseconds = 5;
// An odd step through the 24-bit colours visits them all before repeating.
constexpr unsigned long kCycleStep = 0x0A0B0D;
unsigned long cycledColor = 0;

LRESULT CALLBACK patchesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    if (patches.checker) {
      for (int y = 0; y < patches.size; ++y) {
        for (int x = 0; x < patches.size; ++x) SetPixelV(dc, x, y, patches.colors[(x + y) % 2]);
      }
      EndPaint(window, &paint);
      return 0;
    }
    for (size_t index = 0; index < patches.colors.size(); ++index) {
      const int left = static_cast<int>(index) * patches.size;
      const RECT area{left, 0, left + patches.size, patches.size};
      const HBRUSH brush = CreateSolidBrush(patches.colors[index]);
      FillRect(dc, &area, brush);
      DeleteObject(brush);
    }
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_TIMER && wParam == kCycleTimer) {
    cycledColor = (cycledColor + kCycleStep) & 0xFFFFFFu;
    patches.colors.front() = RGB(cycledColor >> 16, (cycledColor >> 8) & 0xFF, cycledColor & 0xFF);
    InvalidateRect(window, nullptr, FALSE);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

COLORREF fromHex(const wchar_t* text) {
  const unsigned long value = std::wcstoul(text, nullptr, 16);
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  constexpr int kFirstColor = 4;
  if (arguments == nullptr || count <= kFirstColor) return 2;
  // Its own pixels are the screen's, unscaled whatever the display's scale.
  SetProcessDPIAware();
  const int left = std::wcstol(arguments[1], nullptr, 10);
  const int top = std::wcstol(arguments[2], nullptr, 10);
  patches.size = std::wcstol(arguments[3], nullptr, 10);
  const bool cycle = std::wcscmp(arguments[kFirstColor], L"cycle") == 0;
  patches.checker = std::wcscmp(arguments[kFirstColor], L"checker") == 0;
  for (int index = kFirstColor + (patches.checker ? 1 : 0); index < count; ++index) {
    patches.colors.push_back(cycle ? RGB(0, 0, 0) : fromHex(arguments[index]));
  }
  LocalFree(arguments);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = patchesProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"TintwellColourPatches";
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  RegisterClassW(&windowClass);
  const int width =
      patches.checker ? patches.size : patches.size * static_cast<int>(patches.colors.size());
  // Never activated: the colour chooser keeps the keyboard while it samples.
  const HWND window =
      CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
                      windowClass.lpszClassName, L"Tintwell colour patches", WS_POPUP, left, top,
                      width, patches.size, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  if (cycle) SetTimer(window, kCycleTimer, kCycleMilliseconds, nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
