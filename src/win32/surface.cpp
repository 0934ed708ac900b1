#include "win32/surface.h"

#include <windowsx.h>

#include "win32/handles.h"
#include "win32/resource.h"
#include "win32/text.h"
#include "win32/window_procedure.h"

namespace tintwell::win32 {

namespace {

constexpr int kBorders = 2 * kSurfaceBorder;
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

int16_t buttonsHeld(WPARAM keys) {
  int16_t buttons = 0;
  if (keys & MK_LBUTTON) buttons |= kLeftButton;
  if (keys & MK_RBUTTON) buttons |= kRightButton;
  if (keys & MK_MBUTTON) buttons |= kMiddleButton;
  return buttons;
}

}  // namespace

int16_t modifierMask() {
  constexpr SHORT kDown = static_cast<SHORT>(0x8000);
  int16_t mask = 0;
  if (GetKeyState(VK_SHIFT) & kDown) mask |= kShiftMask;
  if (GetKeyState(VK_CONTROL) & kDown) mask |= kCtrlMask;
  if (GetKeyState(VK_MENU) & kDown) mask |= kAltMask;
  return mask;
}

SurfaceWindow::SurfaceWindow(const layout::ControlDesign& design, SurfaceEvents& events)
    : design_(design), events_(events), image_(design.width - kBorders, design.height - kBorders) {}

void SurfaceWindow::registerClass(HINSTANCE instance) {
  const std::wstring name = toWide(layout::kSurfaceClassName);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc =
      &ownedWindowProc<SurfaceWindow, &SurfaceWindow::window_, &SurfaceWindow::onMessage>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name.c_str();
  RegisterClassExW(&windowClass);
}

HWND SurfaceWindow::create(HWND parent, HINSTANCE instance) {
  if (design_.pointer == layout::Pointer::ring) {
    pointer_ = static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(IDC_MATRIX_POINTER),
                                               IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
  }
  const std::wstring className = toWide(layout::kSurfaceClassName);
  CreateWindowExW(WS_EX_CLIENTEDGE, className.c_str(), L"",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP, design_.left, design_.top,
                  design_.width, design_.height, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(design_.controlId)), instance, this);
  return window_;
}

LRESULT SurfaceWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      const PaintDc paint(window_);
      show(paint.get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the image covers the whole client area
    case WM_SETCURSOR:
      if (pointer_ != nullptr && LOWORD(lParam) == HTCLIENT) {
        SetCursor(pointer_);
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      mouse(MouseAction::down, kLeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONDOWN:
      mouse(MouseAction::down, kRightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONDOWN:
      mouse(MouseAction::down, kMiddleButton, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
      mouse(MouseAction::move, buttonsHeld(wParam), wParam, lParam);
      return 0;
    case WM_LBUTTONUP:
      mouse(MouseAction::up, kLeftButton, wParam, lParam);
      return 0;
    case WM_RBUTTONUP:
      mouse(MouseAction::up, kRightButton, wParam, lParam);
      return 0;
    case WM_MBUTTONUP:
      mouse(MouseAction::up, kMiddleButton, wParam, lParam);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// A press takes the focus, as a clicked picture box does, and holds the
// pointer until the last button is let go, so moves and the release arrive
// here also outside the surface, with negative coordinates on the left.
void SurfaceWindow::mouse(MouseAction action, int16_t button, WPARAM keys, LPARAM position) {
  const float x = static_cast<float>(GET_X_LPARAM(position));
  const float y = static_cast<float>(GET_Y_LPARAM(position));
  if (action == MouseAction::down) {
    if (GetFocus() != window_) SetFocus(window_);
    SetCapture(window_);
  }
  events_.surfaceMouse(*this, action, button, modifierMask(), x, y);
  if (action == MouseAction::up && (keys & kAnyButton) == 0 && GetCapture() == window_) {
    ReleaseCapture();
  }
}

void SurfaceWindow::refresh() {
  if (window_ == nullptr) return;
  const WindowDc client(window_, WindowDc::Area::client);
  show(client.get());
}

// A top-down 32-bit DIB: the image's own memory layout, shown in one call.
void SurfaceWindow::show(HDC target) const {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = image_.width();
  info.bmiHeader.biHeight = -image_.height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(target, 0, 0, static_cast<DWORD>(image_.width()),
                    static_cast<DWORD>(image_.height()), 0, 0, 0,
                    static_cast<UINT>(image_.height()), image_.dibBits(), &info, DIB_RGB_COLORS);
}

RECT SurfaceWindow::outer() const {
  RECT area{design_.left, design_.top, design_.left + design_.width, design_.top + design_.height};
  if (window_ != nullptr && GetWindowRect(window_, &area)) {
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&area), 2);
  }
  return area;
}

int SurfaceWindow::width() const {
  const RECT area = outer();
  return area.right - area.left;
}

int SurfaceWindow::height() const {
  const RECT area = outer();
  return area.bottom - area.top;
}

int SurfaceWindow::inScaleUnit(int pixels) const {
  return design_.scaleUnit == layout::ScaleUnit::twips ? pixels * kTwipsPerPixel : pixels;
}

int SurfaceWindow::scaleWidth() const {
  return inScaleUnit(image_.width());
}

int SurfaceWindow::scaleHeight() const {
  return inScaleUnit(image_.height());
}

}  // namespace tintwell::win32
