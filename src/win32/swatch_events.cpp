// The colour in and out: the swatch's menu, and Ctrl+C and Ctrl+V on the
// colour field, the strip and the swatch.

#include <windowsx.h>

#include "shell/pump_guard.h"
#include "win32/main_window.h"
#include "win32/swatch_menu.h"

namespace tintwell::win32 {

namespace {

constexpr LPARAM kFromKeyboard = -1;

}  // namespace

// The value fields keep their own copy and paste: these keys reach a surface
// only while it has the focus.
bool MainWindow::surfaceKey(const SurfaceWindow& surface, bool down, WPARAM key) {
  if (down && routeSurfaceKey(surface, key)) return true;
  const bool swatch = &surface == imgCurColor_.get();
  if (key == VK_APPS && swatch) {
    // Opened at the key-down; the key-up would ask for the menu a second time.
    if (down) openSwatchMenuAtSwatch();
    return true;
  }
  if (!down || modifierMask() != kCtrlMask) return false;
  if (key == 'C') {
    dispatch("copyColor", [](frmColor& form) { form.copyColor(); });
    return true;
  }
  if (key == 'V') {
    dispatch("pasteColor", [](frmColor& form) { form.pasteColor(); });
    return true;
  }
  return false;
}

// SHIFT+F10 asks from the keyboard too, but SHIFT starts sampling: it is left out.
void MainWindow::surfaceContextMenu(const SurfaceWindow& surface, LPARAM position) {
  if (&surface != imgCurColor_.get() || position != kFromKeyboard) return;
  if ((modifierMask() & kShiftMask) != 0) return;
  openSwatchMenuAtSwatch();
}

// The menu opens where the right button is let go over the swatch.
void MainWindow::swatchMouse(MouseAction action, int16_t button, float x, float y) {
  if (action != MouseAction::up || button != kRightButton) return;
  const PixelImage& image = imgCurColor_->image();
  if (x < 0 || y < 0 || x >= static_cast<float>(image.width()) ||
      y >= static_cast<float>(image.height())) {
    return;
  }
  if (GetCapture() == imgCurColor_->handle()) ReleaseCapture();
  const DWORD position = GetMessagePos();
  openSwatchMenu(POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)});
}

// Below the swatch's left edge, so that it stays in sight.
void MainWindow::openSwatchMenuAtSwatch() {
  RECT swatch{};
  GetWindowRect(imgCurColor_->handle(), &swatch);
  openSwatchMenu(POINT{swatch.left, swatch.bottom});
}

// The texts are taken as the menu opens, and the chosen one is copied as it
// was shown, though sampler ticks may change the colour meanwhile. The
// menu's loop is the pump while it is open: a tick's refresh leaves it the
// queued input.
void MainWindow::openSwatchMenu(POINT at) {
  if (!form_ || ended_) return;
  SwatchMenu menu;
  dispatch("swatchMenu", [&menu](frmColor& form) { menu = form.swatchMenu(); });
  std::optional<int> choice;
  {
    const PumpGuard menuLoop(pumping_);
    choice = chooseFromSwatchMenu(window_, at, menu, [this](MSG& message) { previewKey(message); });
  }
  if (!choice) return;
  if (*choice == kPasteItem) {
    dispatch("pasteColor", [](frmColor& form) { form.pasteColor(); });
  } else {
    const std::string text = menu.forms.at(static_cast<size_t>(*choice));
    dispatch("copyText", [&text](frmColor& form) { form.copyText(text); });
  }
}

}  // namespace tintwell::win32
