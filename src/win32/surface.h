#pragma once

// A drawing surface: a child window with a sunken border whose client area
// shows a PixelImage of the designed size, at the display's scale.

#include <windows.h>

#include <optional>

#include "core/pixel_image.h"
#include "shell/display_scale.h"
#include "shell/layout.h"
#include "shell/pointer_router.h"
#include "shell/ports.h"
#include "shell/scaled_surface.h"

namespace tintwell::win32 {

class SurfaceWindow;

// The header of top-down 32-bit pixels, as PixelImage keeps them.
BITMAPINFO topDownPixels(int width, int height);

// Shows top-down 32-bit pixels at the target's origin, in one call.
void showPixels(HDC target, int width, int height, const uint32_t* bits);

// Where a surface reports its pointer events, in designed pixels of its
// drawing area.
class SurfaceEvents {
 public:
  virtual void surfaceMouse(const SurfaceWindow& surface, MouseAction action, int16_t button,
                            int16_t shift, float x, float y) = 0;
  // A key going down or up while the surface has the focus; true when taken.
  virtual bool surfaceKey(const SurfaceWindow& surface, bool down, WPARAM key) = 0;
  // A screen position, or -1 when the request came from the keyboard.
  virtual void surfaceContextMenu(const SurfaceWindow& surface, LPARAM position) = 0;
  // Whether the window has been worked from the keyboard yet: focus cues
  // show only from then on.
  virtual bool keyboardCuesShown() const = 0;
  // The answer to a reader's WM_GETOBJECT; nullopt leaves it to the system.
  virtual std::optional<LRESULT> surfaceObject(const SurfaceWindow& surface, WPARAM wParam,
                                               LPARAM lParam) = 0;

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
  // Places the surface for the display's scale: its designed place scaled,
  // its border as wide as the scaled design leaves, its pointer drawn for it.
  void setScale(const DisplayScale& scale);

  const layout::ControlDesign& design() const { return design_; }
  HWND handle() const { return window_; }

  PixelImage& image() override { return image_; }
  void refresh() override;
  int left() const override { return designedOuter().left; }
  int top() const override { return designedOuter().top; }
  int width() const override;
  int height() const override;
  int scaleWidth() const override;
  int scaleHeight() const override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void mouse(MouseAction action, int16_t button, WPARAM keys, LPARAM position);
  void show(HDC target);
  bool showsFocusCue() const;
  void loadPointer();
  void placeClientArea(RECT& window) const;
  void paintBorder() const;
  RECT designedOuter() const;  // in the parent's client area, designed pixels
  int inScaleUnit(int pixels) const;

  const layout::ControlDesign& design_;
  SurfaceEvents& events_;
  PixelImage image_;
  HWND window_ = nullptr;
  HINSTANCE instance_ = nullptr;
  HCURSOR pointer_ = nullptr;
  DisplayScale scale_{kDesignDpi};
  std::optional<ScaledSurface> shown_;  // only at another scale than designed
};

}  // namespace tintwell::win32
