#include "win32/handles.h"

namespace tintwell::win32 {

WindowDc::WindowDc(HWND window, Area area)
    : window_(window), dc_(area == Area::client ? GetDC(window) : GetWindowDC(window)) {
  if (dc_ != nullptr) add();
}

WindowDc::WindowDc(WindowDc&& other) noexcept
    : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}

WindowDc::~WindowDc() {
  if (dc_ != nullptr) {
    ReleaseDC(window_, dc_);
    remove();
  }
}

PaintDc::PaintDc(HWND window) : window_(window) {
  if (BeginPaint(window_, &paint_) != nullptr) {
    add();
  } else {
    window_ = nullptr;
  }
}

PaintDc::~PaintDc() {
  if (window_ != nullptr) {
    EndPaint(window_, &paint_);
    remove();
  }
}

MemoryDc::MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
  if (dc_ != nullptr) add();
}

MemoryDc::~MemoryDc() {
  if (dc_ != nullptr) {
    DeleteDC(dc_);
    remove();
  }
}

SelectedObject::SelectedObject(HDC dc, HGDIOBJ object)
    : dc_(dc), previous_(dc != nullptr && object != nullptr ? SelectObject(dc, object) : nullptr) {
  if (previous_ != nullptr && previous_ != HGDI_ERROR) {
    add();
  } else {
    dc_ = nullptr;
  }
}

SelectedObject::~SelectedObject() {
  if (dc_ != nullptr) {
    SelectObject(dc_, previous_);
    remove();
  }
}

}  // namespace tintwell::win32
