#include "win32/surface.h"

#include <windowsx.h>

#include <vector>

#include "win32/dpi.h"
#include "win32/handles.h"
#include "win32/picture_scales.h"
#include "win32/platform.h"
#include "win32/resource.h"
#include "win32/text.h"
#include "win32/window_procedure.h"

namespace tintwell::win32 {

namespace {

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

int16_t buttonsHeld(WPARAM keys) {
  int16_t buttons = 0;
  if (keys & MK_LBUTTON) buttons |= kLeftButton;
  if (keys & MK_RBUTTON) buttons |= kRightButton;
  if (keys & MK_MBUTTON) buttons |= kMiddleButton;
  return buttons;
}

// Every second pixel of the outermost ones inverted, as the system's focus
// rectangle draws them, but in a phase of our own: the system's drawing
// takes its phase from whatever the device context drew before.
void invertFocusCue(std::vector<uint32_t>& pixels, int width, int height) {
  constexpr uint32_t kColorBits = 0x00FFFFFFu;
  const auto invert = [&](int x, int y) {
    if ((x + y) % 2 == 1) pixels[static_cast<size_t>(y) * width + x] ^= kColorBits;
  };
  for (int x = 0; x < width; ++x) {
    invert(x, 0);
    if (height > 1) invert(x, height - 1);
  }
  for (int y = 1; y + 1 < height; ++y) {
    invert(0, y);
    if (width > 1) invert(width - 1, y);
  }
}

}  // namespace

SurfaceWindow::SurfaceWindow(const layout::ControlDesign& design, SurfaceEvents& events)
    : design_(design),
      events_(events),
      image_(layout::innerBox(design).width(), layout::innerBox(design).height()) {}

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
  instance_ = instance;
  loadPointer();
  const std::wstring className = toWide(layout::kSurfaceClassName);
  CreateWindowExW(WS_EX_CLIENTEDGE, className.c_str(), L"",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP, design_.left, design_.top,
                  design_.width, design_.height, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(design_.controlId)), instance, this);
  return window_;
}

void SurfaceWindow::loadPointer() {
  if (design_.pointer != layout::Pointer::ring) return;
  const int id = IDC_MATRIX_POINTER + kCursorScaleIdStep * pictureScaleIndex(scale_.dpi());
  // The drawing's own size: each scale's pointer is drawn at the size it needs.
  pointer_ = static_cast<HCURSOR>(
      LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_SHARED));
}

void SurfaceWindow::setScale(const DisplayScale& scale) {
  scale_ = scale;
  if (scale_.isDesigned()) {
    shown_.reset();
  } else {
    shown_.emplace(scale_, layout::innerBox(design_));
  }
  loadPointer();
  if (window_ == nullptr) return;
  const Box outer = scale_.toPhysical(layout::outerBox(design_));
  // The frame changes with the scale, so the client area is worked out anew.
  SetWindowPos(window_, nullptr, outer.left, outer.top, outer.right - outer.left,
               outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(window_, nullptr, FALSE);
}

// At another scale the border takes what the scaled design leaves between the
// outer place and the drawing area, which may differ by a pixel from side to side.
void SurfaceWindow::placeClientArea(RECT& window) const {
  const Box outer = scale_.toPhysical(layout::outerBox(design_));
  const Box inner = shown_->physical();
  window.left += inner.left - outer.left;
  window.top += inner.top - outer.top;
  window.right -= outer.right - inner.right;
  window.bottom -= outer.bottom - inner.bottom;
}

// The sunken edge of a client edge, each of its two lines as wide as its
// share of the border: shadow and dark shadow above and left, highlight and
// light below and right.
void SurfaceWindow::paintBorder() const {
  const WindowDc frame(window_, WindowDc::Area::whole);
  RECT whole{};
  GetWindowRect(window_, &whole);
  const int width = whole.right - whole.left;
  const int height = whole.bottom - whole.top;
  const Box outer = scale_.toPhysical(layout::outerBox(design_));
  const Box inner = shown_->physical();
  const int left = inner.left - outer.left;
  const int top = inner.top - outer.top;
  const int right = outer.right - inner.right;
  const int bottom = outer.bottom - inner.bottom;
  const auto fill = [&frame](int x0, int y0, int x1, int y1, int color) {
    const RECT area{x0, y0, x1, y1};
    FillRect(frame.get(), &area, GetSysColorBrush(color));
  };
  // Outer line first, then the inner one within it; each side split in two.
  const int outerLeft = (left + 1) / 2;
  const int outerTop = (top + 1) / 2;
  const int outerRight = (right + 1) / 2;
  const int outerBottom = (bottom + 1) / 2;
  fill(0, 0, width, outerTop, COLOR_BTNSHADOW);
  fill(0, 0, outerLeft, height, COLOR_BTNSHADOW);
  fill(0, height - outerBottom, width, height, COLOR_BTNHIGHLIGHT);
  fill(width - outerRight, 0, width, height, COLOR_BTNHIGHLIGHT);
  fill(outerLeft, outerTop, width - outerRight, top, COLOR_3DDKSHADOW);
  fill(outerLeft, outerTop, left, height - outerBottom, COLOR_3DDKSHADOW);
  fill(outerLeft, height - bottom, width - outerRight, height - outerBottom, COLOR_3DLIGHT);
  fill(width - right, outerTop, width - outerRight, height - outerBottom, COLOR_3DLIGHT);
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
    case WM_NCCALCSIZE:
      if (!shown_) break;
      placeClientArea(reinterpret_cast<RECT*>(lParam)[0]);
      return 0;
    case WM_NCPAINT:
      if (!shown_) break;
      paintBorder();
      return 0;
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
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      refresh();  // the focus cue comes and goes with the focus
      break;
    case WM_GETOBJECT: {
      const std::optional<LRESULT> object = events_.surfaceObject(*this, wParam, lParam);
      if (object) return *object;
      break;
    }
    case WM_GETDLGCODE:
      // The dialog navigation leaves the arrows to a surface that takes keys;
      // Tab still moves on.
      if (design_.onKeyDown != nullptr) return DLGC_WANTARROWS;
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (events_.surfaceKey(*this, message == WM_KEYDOWN, wParam)) return 0;
      break;
    case WM_CONTEXTMENU:
      events_.surfaceContextMenu(*this, lParam);
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
  int shownX = GET_X_LPARAM(position);
  int shownY = GET_Y_LPARAM(position);
  if (shown_) {
    shownX = shown_->designedX(shownX);
    shownY = shown_->designedY(shownY);
  }
  const auto x = static_cast<float>(shownX);
  const auto y = static_cast<float>(shownY);
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

BITMAPINFO topDownPixels(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

void showPixels(HDC target, int width, int height, const uint32_t* bits) {
  const BITMAPINFO info = topDownPixels(width, height);
  SetDIBitsToDevice(target, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), bits, &info, DIB_RGB_COLORS);
}

// The image's own memory layout, or its blocks at the display's scale; the
// focus cue goes over a copy of the shown pixels, never into the image.
void SurfaceWindow::show(HDC target) {
  const int width = shown_ ? shown_->width() : image_.width();
  const int height = shown_ ? shown_->height() : image_.height();
  const uint32_t* pixels = shown_ ? shown_->present(image_).data() : image_.dibBits();
  if (!showsFocusCue()) {
    showPixels(target, width, height, pixels);
    return;
  }
  std::vector<uint32_t> cued(pixels, pixels + static_cast<size_t>(width) * height);
  invertFocusCue(cued, width, height);
  showPixels(target, width, height, cued.data());
}

bool SurfaceWindow::showsFocusCue() const {
  return design_.onKeyDown != nullptr && window_ != nullptr && GetFocus() == window_ &&
         events_.keyboardCuesShown();
}

// Read from the window itself, and taken back to designed pixels: each
// shown edge maps back to the designed edge it came from.
RECT SurfaceWindow::designedOuter() const {
  RECT area{design_.left, design_.top, design_.left + design_.width, design_.top + design_.height};
  if (window_ != nullptr && GetWindowRect(window_, &area)) {
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&area), 2);
    area = RECT{scale_.toDesigned(area.left), scale_.toDesigned(area.top),
                scale_.toDesigned(area.right), scale_.toDesigned(area.bottom)};
  }
  return area;
}

int SurfaceWindow::width() const {
  const RECT area = designedOuter();
  return area.right - area.left;
}

int SurfaceWindow::height() const {
  const RECT area = designedOuter();
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
