#pragma once

// One small owner per kind of Windows handle. Copying is deleted, moving
// hands the handle over; each type counts its live instances that hold a
// handle, so tests can prove that nothing is left behind.

#include <windows.h>

#include <utility>

namespace tintwell::win32 {

// The live-instance counter shared by the owners below.
template <typename Owner>
class LiveCounter {
 public:
  static int liveCount() { return live_; }

 protected:
  static void add() { ++live_; }
  static void remove() { --live_; }

 private:
  static inline int live_ = 0;
};

// A device context from GetDC or GetWindowDC, released against its window.
class WindowDc : public LiveCounter<WindowDc> {
 public:
  enum class Area { client, whole };
  WindowDc(HWND window, Area area);
  ~WindowDc();
  WindowDc(WindowDc&& other) noexcept;
  WindowDc& operator=(WindowDc&&) = delete;
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The context of one WM_PAINT, from BeginPaint to EndPaint.
class PaintDc : public LiveCounter<PaintDc> {
 public:
  explicit PaintDc(HWND window);
  ~PaintDc();
  PaintDc(PaintDc&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), paint_(other.paint_) {}
  PaintDc& operator=(PaintDc&&) = delete;
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC get() const { return paint_.hdc; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// A memory device context from CreateCompatibleDC.
class MemoryDc : public LiveCounter<MemoryDc> {
 public:
  explicit MemoryDc(HDC compatibleWith);
  ~MemoryDc();
  MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
  MemoryDc& operator=(MemoryDc&&) = delete;
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A GDI object deleted with DeleteObject; one type per kind of object.
template <typename Handle>
class GdiObject : public LiveCounter<GdiObject<Handle>> {
  using Counter = LiveCounter<GdiObject<Handle>>;

 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {
    if (handle_ != nullptr) Counter::add();
  }
  ~GdiObject() { reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }

 private:
  void reset() {
    if (handle_ != nullptr) {
      DeleteObject(handle_);
      Counter::remove();
      handle_ = nullptr;
    }
  }

  Handle handle_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

// An object selected into a device context; the previous one is put back.
class SelectedObject : public LiveCounter<SelectedObject> {
 public:
  SelectedObject(HDC dc, HGDIOBJ object);
  ~SelectedObject();
  SelectedObject(SelectedObject&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), previous_(other.previous_) {}
  SelectedObject& operator=(SelectedObject&&) = delete;
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace tintwell::win32
