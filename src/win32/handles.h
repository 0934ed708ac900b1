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

// A handle given back by one function, such as DeleteObject or CloseHandle;
// one type per kind of handle.
template <typename Handle, auto release>
class UniqueHandle : public LiveCounter<UniqueHandle<Handle, release>> {
  using Counter = LiveCounter<UniqueHandle<Handle, release>>;

 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {
    if (handle_ != nullptr) Counter::add();
  }
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset() {
    if (handle_ != nullptr) {
      release(std::exchange(handle_, nullptr));
      Counter::remove();
    }
  }
  // For a handle that something else now gives back, such as memory the
  // clipboard took.
  Handle handOver() {
    if (handle_ != nullptr) Counter::remove();
    return std::exchange(handle_, nullptr);
  }

 private:
  Handle handle_ = nullptr;
};

template <typename Handle>
using GdiObject = UniqueHandle<Handle, DeleteObject>;
using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using KernelHandle = UniqueHandle<HANDLE, CloseHandle>;
using RegistryKeyHandle = UniqueHandle<HKEY, RegCloseKey>;
using Library = UniqueHandle<HMODULE, FreeLibrary>;

// One reference to a COM object, given back when it goes.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  explicit ComPointer(Interface* object) : object_(object) {}
  ~ComPointer() { reset(); }
  ComPointer(ComPointer&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  ComPointer& operator=(ComPointer&& other) noexcept {
    if (this != &other) {
      reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;

  Interface* get() const { return object_; }
  Interface* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // Where a function that hands a new reference out puts it.
  Interface** receive() {
    reset();
    return &object_;
  }
  void reset() {
    if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
  }

 private:
  Interface* object_ = nullptr;
};

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

// What every drawing owner holds at one moment, so a test can compare the
// counts before and after.
struct LiveCounts {
  int windowDcs = WindowDc::liveCount();
  int paintDcs = PaintDc::liveCount();
  int memoryDcs = MemoryDc::liveCount();
  int bitmaps = Bitmap::liveCount();
  int fonts = Font::liveCount();
  int brushes = Brush::liveCount();
  int selections = SelectedObject::liveCount();

  bool operator==(const LiveCounts&) const = default;
};

}  // namespace tintwell::win32
