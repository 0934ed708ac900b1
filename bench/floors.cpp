// The least any program does for what Tintwell does, measured beside it:
//   floors window  a bare window with Tintwell's client size that paints its
//                  background (start-up and memory floor: a window's own
//                  memory grows with its size under Wine)
//   floors controls  the same window in a program that first loads the common
//                  controls, as any program with standard themed controls
//                  does (Wine's comctl32 alone holds 1.5 MB of icons)
//   floors read    a bare window whose 33 ms timer reads the screen pixel under
//                  the pointer with the program's own read (GetCursorPos, then
//                  a 1 x 1 copy from the screen through a memory bitmap) and
//                  nothing else; it counts them in memory the bench shares
//                  (the sampler's floor)

#include <windows.h>

#include <optional>
#include <string>

#include "read_count.h"
#include "shell/layout.h"
#include "win32/platform.h"

namespace {

constexpr UINT_PTR kReadTimer = 1;
constexpr UINT kReadMilliseconds = 33;
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_BORDER;

// The common controls library, loaded as a program with standard controls
// loads it; its start-up work is what it costs.
class CommonControls {
 public:
  explicit CommonControls(bool load) : library_(load ? LoadLibraryW(L"comctl32.dll") : nullptr) {}

 private:
  tintwell::win32::Library library_;
};

bool reading = false;
std::optional<tintwell::bench::ReadCount> reads;

tintwell::win32::Win32Platform platform;

tintwell::PackedColor readPixelUnderPointer() {
  tintwell::Point pointer;
  platform.getCursorPos(pointer);
  return platform.readScreenPixel(pointer.x, pointer.y);
}

LRESULT CALLBACK floorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_TIMER:
      if (wParam != kReadTimer) break;
      readPixelUnderPointer();
      reads->add();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  const std::wstring mode(commandLine);
  reading = mode == L"read";
  // Loaded only here, so that the other floors go without it.
  const CommonControls commonControls(mode == L"controls");
  if (reading) {
    reads.emplace(tintwell::bench::ReadCount::Side::reader);
    if (!reads->shared()) return 1;
  }
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = floorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"TintwellFloor";
  if (RegisterClassExW(&windowClass) == 0) return 1;
  RECT frame{0, 0, tintwell::layout::kClientWidth, tintwell::layout::kClientHeight};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
  const HWND window = CreateWindowExW(
      0, windowClass.lpszClassName, L"floor", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  if (reading) SetTimer(window, kReadTimer, kReadMilliseconds, nullptr);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
