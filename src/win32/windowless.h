#pragma once

// The windowless controls (labels, pictures, lines, the band): no windows of
// their own, painted by the main window back to front into one buffer; the
// pointer router asks them where they are.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/display_scale.h"
#include "shell/frm_color.h"
#include "shell/layout.h"
#include "shell/pointer_router.h"
#include "shell/ports.h"
#include "win32/fonts.h"
#include "win32/handles.h"

namespace tintwell::win32 {

class WindowlessLayer;

// Where the layer paints: a device context over a buffer of 32-bit top-down
// pixels, rows of `stride`, that holds the area (the window's pixels) from
// its top-left corner.
struct PaintBuffer {
  HDC dc;
  uint32_t* pixels;
  int stride;
  RECT area;
};

class WindowlessControl {
 public:
  WindowlessControl(WindowlessLayer& layer, const layout::ControlDesign& design);
  virtual ~WindowlessControl() = default;
  WindowlessControl(const WindowlessControl&) = delete;
  WindowlessControl& operator=(const WindowlessControl&) = delete;

  const layout::ControlDesign& design() const { return design_; }
  RECT bounds() const;       // designed pixels
  RECT shownBounds() const;  // the window's pixels at the display's scale
  bool isVisible() const { return visible_; }

  virtual void paint(const PaintBuffer& target) const = 0;
  // The display's scale changed: take new fonts and pictures.
  virtual void rescale() {}

 protected:
  // Moves or resizes the control, repainting where it was and where it is.
  void place(int left, int top, int width, int height);
  void show(bool visible);
  void repaint() const;
  WindowlessLayer& layer() const { return layer_; }
  int left_;
  int top_;
  int width_;
  int height_;

 private:
  WindowlessLayer& layer_;
  const layout::ControlDesign& design_;
  bool visible_ = true;
};

// The band and the lines: rectangles of one colour.
class FilledRectangle final : public WindowlessControl {
 public:
  using WindowlessControl::WindowlessControl;
  void paint(const PaintBuffer& target) const override;
};

class WindowlessLabel final : public WindowlessControl, public Label {
 public:
  WindowlessLabel(WindowlessLayer& layer, const layout::ControlDesign& design);

  std::string caption() const override { return caption_; }
  void setCaption(const std::string& caption) override;
  void setForeColor(PackedColor color) override;
  void setFontUnderline(bool underline) override;
  void paint(const PaintBuffer& target) const override;
  void rescale() override { fitToText(); }

 private:
  void fitToText();

  std::string caption_;
  std::optional<PackedColor> foreColor_;  // until set, the colour of the design
  bool underline_ = false;
};

class WindowlessPicture final : public WindowlessControl, public Picture {
 public:
  WindowlessPicture(WindowlessLayer& layer, const layout::ControlDesign& design);

  int left() const override { return left_; }
  int top() const override { return top_; }
  int width() const override { return width_; }
  void setLeft(int left) override { place(left, top_, width_, height_); }
  void setTop(int top) override { place(left_, top, width_, height_); }
  bool visible() const override { return isVisible(); }
  void setVisible(bool visible) override { show(visible); }
  void paint(const PaintBuffer& target) const override;
  void rescale() override;

 private:
  void paintKeyed(const PaintBuffer& target, const RECT& area) const;

  Bitmap art_;  // drawn for the display's scale
  SIZE artSize_{};
  bool keyed_ = false;
  std::vector<uint32_t> keyedPixels_;  // the drawing's, top-down, when keyed
};

class WindowlessLayer final : public ControlPlaces, public WindowlessControls {
 public:
  WindowlessLayer(HINSTANCE instance, FontCache& fonts);
  WindowlessLayer(const WindowlessLayer&) = delete;
  WindowlessLayer& operator=(const WindowlessLayer&) = delete;

  // The window that shows the layer; repaints go there once it is set.
  void attach(HWND host) { host_ = host; }
  // Controls keep their designed places; they are shown at the display's scale.
  void setScale(const DisplayScale& scale);
  const DisplayScale& scale() const { return scale_; }

  WindowlessLabel& label(layout::Control id) override;
  WindowlessPicture& picture(layout::Control id) override;
  const WindowlessControl& control(layout::Control id) const { return find(id); }

  // Paints the controls that reach into the area (the window's pixels),
  // back to front.
  void paint(const PaintBuffer& target) const;
  ControlPlace place(size_t order) const override;

  void invalidate(const RECT& designedArea);
  // While held, the areas left to repaint gather into one rather than going
  // to the system, and whoever lets go paints that area itself: under Wine a
  // repaint the system schedules costs several server round trips more.
  void holdRepaints() { holding_ = true; }
  RECT releaseRepaints();
  HFONT font(const layout::FontDesign& design, bool underline) {
    return fonts_.get(design, underline);
  }
  HINSTANCE instance() const { return instance_; }

 private:
  WindowlessControl& find(layout::Control id) const;

  HINSTANCE instance_;
  FontCache& fonts_;
  DisplayScale scale_{kDesignDpi};
  HWND host_ = nullptr;
  bool holding_ = false;
  RECT held_{};                                               // the window's pixels
  std::vector<std::unique_ptr<WindowlessControl>> controls_;  // back to front
};

COLORREF colorOf(const layout::ColorDesign& color);

}  // namespace tintwell::win32
