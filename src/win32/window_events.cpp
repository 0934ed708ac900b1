// The main window's messages, each turned into the frmColor handler of its
// event.

#include <windowsx.h>

#include "win32/handles.h"
#include "win32/main_window.h"

namespace tintwell::win32 {

namespace {

bool inRange(int id, int first, int count) {
  return id >= first && id < first + count;
}

}  // namespace

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* self = static_cast<MainWindow*>(creation->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->onMessage(message, wParam, lParam);
  } catch (...) {
    // Nothing may unwind through the system's frames; the event is dropped.
    return 0;
  }
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_TIMER:
      onTimer(wParam);
      return 0;
    case WM_MOUSEMOVE:
      onPointerMove(point);
      return 0;
    case WM_LBUTTONDOWN:
      onPointerPress(point);
      return 0;
    case WM_LBUTTONDBLCLK:
      // One click on a flag or the home page, not two: the page opens once.
      onPointerPress(point);
      pressed_ = nullptr;
      return 0;
    case WM_LBUTTONUP:
      onPointerRelease(point);
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = nullptr;  // a press that lost the pointer ends in no click
      return 0;
    case WM_ACTIVATE:
      onActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_PAINT: {
      const PaintDc target(window_);
      paint(target.get(), target.area());
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client{};
      GetClientRect(window_, &client);
      paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole client area
    case WM_CLOSE:
      onClose();
      return 0;
    case WM_ENDSESSION:
      // Logging off closes no window by WM_CLOSE; the setting is saved all the same.
      if (wParam) onClose();
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::onCommand(int id, int code) {
  if (inRange(id, layout::kTxtInpIdBase, kFieldCount)) {
    const auto index = static_cast<int16_t>(id - layout::kTxtInpIdBase);
    EditField* field = fields_.at(static_cast<size_t>(index)).get();
    if (field == nullptr) return;
    switch (code) {
      case EN_CHANGE:
        if (field->acceptChange()) {
          dispatch([&](frmColor& form) { form.txtInp_Change(index); });
        }
        break;
      case EN_MAXTEXT:
        field->noteRefusedInput();
        break;
      case EN_SETFOCUS:
        dispatch([&](frmColor& form) { form.txtInp_GotFocus(index); });
        break;
      case EN_KILLFOCUS:
        dispatch([&](frmColor& form) { form.txtInp_LostFocus(index); });
        break;
      default:
        break;
    }
  } else if (inRange(id, layout::kOptDimIdBase, kDimensionCount) && code == BN_CLICKED) {
    const auto index = static_cast<int16_t>(id - layout::kOptDimIdBase);
    selectOption(index);
    dispatch([&](frmColor& form) { form.optDim_Click(index); });
  }
}

void MainWindow::fieldChanged(int index) {
  dispatch([&](frmColor& form) { form.txtInp_Change(static_cast<int16_t>(index)); });
}

// The tab stop follows the checked option, so TAB enters the group there.
void MainWindow::selectOption(int index) {
  for (size_t member = 0; member < options_.size(); ++member) {
    const HWND option = options_.at(member);
    const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
    const LONG_PTR wanted =
        static_cast<int>(member) == index ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
    if (wanted != style) SetWindowLongPtrW(option, GWL_STYLE, wanted);
  }
}

// A tick that was queued before its timer was stopped is not delivered.
void MainWindow::onTimer(UINT_PTR id) {
  if (tmSampler_ && id == tmSampler_->id() && tmSampler_->enabled()) {
    dispatch([](frmColor& form) { form.tmSampler_Timer(); });
  } else if (tmrLang_ && id == tmrLang_->id() && tmrLang_->enabled()) {
    dispatch([](frmColor& form) { form.tmrLang_Timer(); });
  }
}

// The window itself gets a move only where no label or picture lies; over
// one, the move is that control's, and only three of them have a handler.
void MainWindow::onPointerMove(POINT point) {
  const WindowlessControl* hit = windowless_.hitTest(point);
  if (hit == nullptr) {
    dispatch([](frmColor& form) { form.Form_MouseMove(); });
    return;
  }
  const std::string_view name = hit->design().name;
  if (name == "imgLangENG") {
    dispatch([](frmColor& form) { form.imgLangENG_MouseMove(); });
  } else if (name == "imgLangHUN") {
    dispatch([](frmColor& form) { form.imgLangHUN_MouseMove(); });
  } else if (name == "lblHomepage") {
    dispatch([](frmColor& form) { form.lblHomepage_MouseMove(); });
  }
}

void MainWindow::onPointerPress(POINT point) {
  pressed_ = windowless_.hitTest(point);
  SetCapture(window_);
}

// A click is a press and a release on the same control.
void MainWindow::onPointerRelease(POINT point) {
  const WindowlessControl* pressed = pressed_;
  if (GetCapture() == window_) ReleaseCapture();
  pressed_ = nullptr;
  const WindowlessControl* hit = windowless_.hitTest(point);
  if (hit == nullptr || hit != pressed) return;
  const std::string_view name = hit->design().name;
  if (name == "imgLangENG_hl") {
    dispatch([](frmColor& form) { form.imgLangENG_hl_Click(); });
  } else if (name == "imgLangHUN_hl") {
    dispatch([](frmColor& form) { form.imgLangHUN_hl_Click(); });
  } else if (name == "lblHomepage") {
    dispatch([](frmColor& form) { form.lblHomepage_Click(); });
  }
}

// The focus leaves with the window and comes back to the same control.
void MainWindow::onActivate(bool active) {
  if (!active) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
    return;
  }
  if (lastFocus_ == nullptr && imgMatrix_) lastFocus_ = imgMatrix_->handle();
  if (lastFocus_ != nullptr && IsWindow(lastFocus_)) SetFocus(lastFocus_);
}

// Closing ends the run at once: after Form_Unload no handler runs again.
void MainWindow::onClose() {
  if (ended_) return;
  dispatch([](frmColor& form) { form.Form_Unload(); });
  ended_ = true;
  if (tmSampler_) tmSampler_->setEnabled(false);
  if (tmrLang_) tmrLang_->setEnabled(false);
  DestroyWindow(window_);
}

void MainWindow::surfaceMouse(const SurfaceWindow& surface, MouseAction action, int16_t button,
                              int16_t shift, float x, float y) {
  const bool matrix = &surface == imgMatrix_.get();
  if (!matrix && &surface != imgVertical_.get()) return;
  dispatch([&](frmColor& form) {
    switch (action) {
      case MouseAction::down:
        matrix ? form.imgMatrix_MouseDown(button, shift, x, y)
               : form.imgVertical_MouseDown(button, shift, x, y);
        break;
      case MouseAction::move:
        matrix ? form.imgMatrix_MouseMove(button, shift, x, y)
               : form.imgVertical_MouseMove(button, shift, x, y);
        break;
      case MouseAction::up:
        matrix ? form.imgMatrix_MouseUp(button, shift, x, y)
               : form.imgVertical_MouseUp(button, shift, x, y);
        break;
    }
  });
}

// Back to front into one buffer the size of the area to paint, then one copy
// to the window: no flicker, and a moved arrow repaints only around itself.
void MainWindow::paint(HDC target, const RECT& area) const {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  const MemoryDc buffer(target);
  const Bitmap surface(CreateCompatibleBitmap(target, width, height));
  const SelectedObject selected(buffer.get(), surface.get());
  SetViewportOrgEx(buffer.get(), -area.left, -area.top, nullptr);
  FillRect(buffer.get(), &area, GetSysColorBrush(COLOR_BTNFACE));
  windowless_.paint(buffer.get(), area);
  BitBlt(target, area.left, area.top, width, height, buffer.get(), area.left, area.top, SRCCOPY);
}

}  // namespace tintwell::win32
