// The least any program does for what Tintwell does, measured beside it. Each
// is a bare window of Tintwell's client size, started with its mode:
//   timer     a 33 ms timer that only counts its ticks: the rate a tick
//             can reach at all under the machine's load
//   read      each tick reads the screen pixel under the pointer with the
//             program's own read (GetCursorPos, then a 1 x 1 copy from the
//             screen through a memory bitmap) and nothing else: the floor of
//             a tick over an unchanged colour
//   fields    the eight value fields as standard EDIT controls, and each
//             tick reads the pixel and rewrites all eight: the least any
//             window with these fields pays for a new colour
//   children  Tintwell's 18 child windows, of the same classes, styles,
//             places and fonts, nothing drawn in them: the floor of the
//             start to the first paint and of the memory
// The timer modes count their ticks in memory the bench shares, and skip
// them while the bench holds them back. The common controls are set up as
// Tintwell sets them up, and the program carries its manifest, so the
// controls are the themed ones Tintwell gets.

#include <windows.h>

#include <commctrl.h>

#include <array>
#include <optional>
#include <string>

#include "core/color_state.h"
#include "fields/field_texts.h"
#include "shell/layout.h"
#include "tick_count.h"
#include "win32/controls.h"
#include "win32/fonts.h"
#include "win32/platform.h"
#include "win32/text.h"

namespace {

using namespace tintwell;

enum class Mode { timer, read, fields, children };

constexpr UINT_PTR kFloorTimer = 1;
constexpr UINT kTimerMilliseconds = 33;
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_BORDER | WS_CLIPCHILDREN;
constexpr const wchar_t* kFloorClass = L"TintwellFloor";
constexpr const wchar_t* kSurfaceClass = L"TintwellFloorSurface";

Mode mode = Mode::timer;
std::optional<bench::TickCount> ticks;
win32::Win32Platform platform;
win32::FontCache fonts;
std::array<HWND, kFieldCount> fields{};

PackedColor readPixelUnderPointer() {
  Point pointer;
  platform.getCursorPos(pointer);
  return platform.readScreenPixel(pointer.x, pointer.y);
}

// The texts Tintwell's fields show for the colour, each written once.
void rewriteFields(PackedColor color) {
  ColorState shown;
  shown.convRGB2HSV(redOf(color), greenOf(color), blueOf(color));
  shown.iRed = static_cast<int16_t>(redOf(color));
  shown.iGreen = static_cast<int16_t>(greenOf(color));
  shown.iBlue = static_cast<int16_t>(blueOf(color));
  for (size_t index = 0; index < fields.size(); ++index) {
    const std::wstring text = win32::toWide(fieldText(static_cast<int16_t>(index), shown));
    SetWindowTextW(fields.at(index), text.c_str());
  }
}

void onTick() {
  if (ticks->held()) return;
  if (mode == Mode::read) readPixelUnderPointer();
  if (mode == Mode::fields) rewriteFields(readPixelUnderPointer());
  ticks->add();
}

// The windowed controls of Tintwell's layout, of the classes and styles its
// wrappers give them; the eight fields are kept for the ticks.
void createChildren(HWND window, HINSTANCE instance, bool fieldsOnly) {
  for (const layout::ControlDesign* design : layout::windowedControls()) {
    const HFONT font = fonts.get(design->font, false);
    switch (design->kind) {
      case layout::ControlKind::textField:
        fields.at(static_cast<size_t>(design->index)) = win32::createControl(
            window, instance, *design, WC_EDITW, WS_EX_CLIENTEDGE,
            WS_TABSTOP | WS_GROUP | ES_LEFT | ES_AUTOHSCROLL, design->height, font);
        break;
      case layout::ControlKind::optionButton:
        if (!fieldsOnly) {
          win32::createControl(window, instance, *design, WC_BUTTONW, 0, BS_AUTORADIOBUTTON,
                               design->height, font);
        }
        break;
      case layout::ControlKind::dropDownList:
        if (!fieldsOnly) {
          win32::createControl(window, instance, *design, WC_COMBOBOXW, 0,
                               WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST,
                               design->height, font);
        }
        break;
      case layout::ControlKind::surface:
        if (!fieldsOnly) {
          win32::createControl(window, instance, *design, kSurfaceClass, WS_EX_CLIENTEDGE,
                               WS_TABSTOP | WS_GROUP, design->height, nullptr);
        }
        break;
      default:
        break;
    }
  }
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
      if (wParam != kFloorTimer) break;
      onTick();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::optional<Mode> modeNamed(const std::wstring& name) {
  if (name == L"timer") return Mode::timer;
  if (name == L"read") return Mode::read;
  if (name == L"fields") return Mode::fields;
  if (name == L"children") return Mode::children;
  return std::nullopt;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  const std::optional<Mode> named = modeNamed(commandLine);
  if (!named) return 2;
  mode = *named;
  const bool ticking = mode != Mode::children;
  if (ticking) {
    ticks.emplace(bench::TickCount::Side::floor);
    if (!ticks->shared()) return 1;
  }
  INITCOMMONCONTROLSEX commonControls{};
  commonControls.dwSize = sizeof(commonControls);
  commonControls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&commonControls);

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = floorProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kFloorClass;
  if (RegisterClassExW(&windowClass) == 0) return 1;
  // The surfaces' windows draw nothing: their drawing is Tintwell's own work.
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hbrBackground = nullptr;
  windowClass.lpszClassName = kSurfaceClass;
  if (RegisterClassExW(&windowClass) == 0) return 1;
  RECT frame{0, 0, layout::kClientWidth, layout::kClientHeight};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
  const HWND window = CreateWindowExW(
      0, kFloorClass, L"floor", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
      frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  if (mode == Mode::fields || mode == Mode::children) {
    createChildren(window, instance, mode == Mode::fields);
  }
  if (ticking) SetTimer(window, kFloorTimer, kTimerMilliseconds, nullptr);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
