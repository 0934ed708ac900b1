#pragma once

// A drawing surface: a child window with a sunken border whose client area
// shows a PixelImage of the same size.

#include <windows.h>

#include "core/pixel_image.h"
#include "shell/layout.h"
#include "shell/ports.h"

namespace tintwell::win32 {

class SurfaceWindow;

enum class MouseAction { down, move, up };

int16_t modifierMask();

// Where a surface reports its pointer events, in client pixels.
class SurfaceEvents {
 public:
  virtual void surfaceMouse(const SurfaceWindow& surface, MouseAction action, int16_t button,
                            int16_t shift, float x, float y) = 0;

 protected:
  ~SurfaceEvents() = default;
};

class SurfaceWindow final : public Surface {
 public:
  SurfaceWindow(const layout::ControlDesign& design, SurfaceEvents& events);
  SurfaceWindow(const SurfaceWindow&) = delete;
  SurfaceWindow& operator=(const SurfaceWindow&) = delete;

  static void registerClass(HINSTANCE instance);
  // Creates the child window; its client area must match the image.
  HWND create(HWND parent, HINSTANCE instance);

  const layout::ControlDesign& design() const { return design_; }
  HWND handle() const { return window_; }

  PixelImage& image() override { return image_; }
  void refresh() override;
  int left() const override { return outer().left; }
  int top() const override { return outer().top; }
  int width() const override;
  int height() const override;
  int scaleWidth() const override;
  int scaleHeight() const override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void mouse(MouseAction action, int16_t button, WPARAM keys, LPARAM position);
  void show(HDC target) const;
  RECT outer() const;  // in the parent's client pixels
  int inScaleUnit(int pixels) const;

  const layout::ControlDesign& design_;
  SurfaceEvents& events_;
  PixelImage image_;
  HWND window_ = nullptr;
  HCURSOR pointer_ = nullptr;
};

}  // namespace tintwell::win32
