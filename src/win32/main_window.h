#pragma once

// The main window: builds every control from the layout table, owns the
// ports and the frmColor of the run, and turns messages into its handlers.

#include <windows.h>

#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "shell/display_scale.h"
#include "shell/frm_color.h"
#include "shell/handler_trace.h"
#include "shell/pointer_router.h"
#include "shell/tick_times.h"
#include "win32/back_buffer.h"
#include "win32/controls.h"
#include "win32/edit_field.h"
#include "win32/fonts.h"
#include "win32/option_group.h"
#include "win32/platform.h"
#include "win32/surface.h"
#include "win32/window_accessibility.h"
#include "win32/windowless.h"

namespace tintwell::win32 {

class MainWindow final : public FormWindow,
                         private FieldEvents,
                         private OptionEvents,
                         private SurfaceEvents,
                         private AccessibleControls {
 public:
  explicit MainWindow(HINSTANCE instance);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden with all its controls, runs Form_Load, then
  // shows it with the focus on the matrix. False when the window could not
  // be created.
  bool open(int showCommand);
  // The message loop; returns the exit code.
  int run();
  HWND handle() const { return window_; }

  // FormWindow.
  std::string caption() const override;
  void setCaption(const std::string& caption) override;
  int scaleWidth() const override;
  OuterRect outerRect() const override;
  void doEvents() override;
  void screenToClient(Point& point) const override;

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool createWindow();
  void createChildren();
  void createChild(const layout::ControlDesign& design);
  void createControlOf(const layout::ControlDesign& design, HFONT font);
  void connectForm();
  // Lays the window out for a display's DPI: size, controls, fonts and
  // pictures; everything else (colour, texts, focus, a sampling run) stays.
  void applyDpi(int dpi, const RECT* suggested);
  // A client point of this window, in the window's pixels, as a designed one.
  Point designedPoint(LPARAM position) const;

  // One queued message: key preview first, then dialog navigation, then the
  // control it was sent to.
  void deliver(MSG& message);
  bool isOurs(HWND window) const;
  void previewKey(MSG& message);

  void onCommand(int id, int code);
  void onTimer(UINT_PTR id);
  void onPointerPress(Point point);
  void onPointerRelease(Point point);
  void onActivate(bool active);
  void onClose();
  void paint(HDC target, const RECT& area) const;
  void repaintHeld();

  // Runs a handler of frmColor unless the run has ended or not yet begun. A
  // handler that throws loses its one event; the program goes on. What the
  // windowless controls show and what screen readers hear is brought up to
  // date once the outermost handler is done.
  template <typename Handler>
  void dispatch(const char* name, Handler handler, int first = HandlerTrace::kNoDetail,
                int second = HandlerTrace::kNoDetail) {
    if (!form_ || ended_) return;
    if (handlerDepth_++ == 0) windowless_.holdRepaints();
    {
      const HandlerTrace::Call call(trace_, name, first, second);
      try {
        handler(*form_);
      } catch (const std::exception& error) {
        OutputDebugStringA(error.what());
      }
    }
    if (--handlerDepth_ == 0) {
      repaintHeld();
      accessibility_.update(window_);
    }
  }

  // Runs the handler the pointer router chose, if any.
  void dispatch(const char* name, PointerRouter::Handler handler, Point point) {
    if (handler != nullptr) {
      dispatch(
          name, [handler](frmColor& form) { (form.*handler)(); }, point.x, point.y);
    }
  }

  void fieldChanged(int index) override;
  void fieldGotFocus(int index) override;
  void fieldLostFocus(int index) override;
  void optionClicked(int index) override;
  void surfaceMouse(const SurfaceWindow& surface, MouseAction action, int16_t button, int16_t shift,
                    float x, float y) override;
  bool surfaceKey(const SurfaceWindow& surface, bool down, WPARAM key) override;
  bool routeSurfaceKey(const SurfaceWindow& surface, WPARAM key);
  void surfaceContextMenu(const SurfaceWindow& surface, LPARAM position) override;
  bool keyboardCuesShown() const override { return keyboardCues_; }
  std::optional<LRESULT> surfaceObject(const SurfaceWindow& surface, WPARAM wParam,
                                       LPARAM lParam) override {
    return accessibility_.answer(surface.handle(), accessible::findAccessible(surface.design().id),
                                 wParam, lParam);
  }

  // AccessibleControls (accessible_controls.cpp).
  std::optional<accessible::Facts> factsOf(const accessible::AccessibleDesign& design,
                                           FieldText fieldText) const override;
  HWND windowOf(const accessible::AccessibleDesign& design) const override;
  RECT screenPlaceOf(const accessible::AccessibleDesign& design) const override;
  void doDefaultAction(const accessible::AccessibleDesign& design) override;
  // A reader's default action, posted as the index of its control among the
  // exposed ones: it runs between events, never inside another handler.
  static constexpr UINT kDefaultActionMessage = WM_APP + 1;
  void onDefaultAction(WPARAM control);

  // The swatch's menu of the colour's forms (swatch_events.cpp).
  void swatchMouse(MouseAction action, int16_t button, float x, float y);
  void openSwatchMenu(POINT at);
  void openSwatchMenuAtSwatch();

  HINSTANCE instance_;
  // Outlives the controls: objects a reader holds are let go last.
  WindowAccessibility accessibility_{static_cast<AccessibleControls&>(*this)};
  int handlerDepth_ = 0;
  HWND window_ = nullptr;
  DisplayScale scale_{kDesignDpi};
  bool ended_ = false;
  bool pumping_ = false;  // a doEvents is running further up the stack
  HWND lastFocus_ = nullptr;
  HandlerTrace trace_;
  TickTimes tickTimes_;
  // Answered with the GDI and USER object counts when a test asked for them
  // at the start; else 0, a message never sent.
  UINT objectCountMessage_;
  bool keyboardCues_ = false;  // set by the first Tab or key on a surface

  FontCache fonts_;
  WindowlessLayer windowless_;
  mutable KeptBuffer keptBuffer_;
  PointerRouter router_{windowless_};
  Win32Platform platform_;
  std::array<std::unique_ptr<EditField>, kFieldCount> fields_;
  OptionGroup optDim_{static_cast<OptionEvents&>(*this)};
  std::unique_ptr<ComboList> cmbQuality_;
  std::unique_ptr<SurfaceWindow> imgMatrix_;
  std::unique_ptr<SurfaceWindow> imgVertical_;
  std::unique_ptr<SurfaceWindow> imgCurColor_;
  std::unique_ptr<WindowTimer> tmSampler_;
  std::unique_ptr<WindowTimer> tmrLang_;
  std::unique_ptr<FormControls> controls_;
  std::optional<frmColor> form_;
};

}  // namespace tintwell::win32
