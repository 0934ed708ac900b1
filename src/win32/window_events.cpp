// The main window's messages, each turned into the frmColor handler of its
// event.

#include <windowsx.h>

#include <array>
#include <optional>
#include <string>

#include "win32/gui_objects.h"
#include "win32/handles.h"
#include "win32/main_window.h"
#include "win32/surface.h"

namespace tintwell::win32 {

namespace {

bool inRange(int id, int first, int count) {
  return id >= first && id < first + count;
}

}  // namespace

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const Point point = designedPoint(lParam);
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_TIMER:
      onTimer(wParam);
      return 0;
    case WM_MOUSEMOVE:
      dispatch("router move", router_.move(point), point);
      return 0;
    case WM_LBUTTONDOWN:
      onPointerPress(point);
      return 0;
    case WM_LBUTTONDBLCLK:
      // One click on a flag or the home page, not two: the page opens once.
      router_.doublePress();
      SetCapture(window_);
      return 0;
    case WM_LBUTTONUP:
      onPointerRelease(point);
      return 0;
    case WM_CAPTURECHANGED:
      router_.captureLost();  // a press that lost the pointer ends in no click
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
      // A themed child draws the window behind itself this way at each of
      // its paints: only what the context can show is painted, not the
      // whole window for every radio button.
      const auto target = reinterpret_cast<HDC>(wParam);
      RECT area{};
      GetClientRect(window_, &area);
      RECT shown{};
      if (GetClipBox(target, &shown) != ERROR) IntersectRect(&area, &area, &shown);
      paint(target, area);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole client area
    case WM_DPICHANGED:
      // The new DPI is in both halves of wParam; lParam points at the place
      // the system suggests, which the handler reads before returning.
      applyDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      onClose();
      return 0;
    case WM_ENDSESSION:
      // Logging off closes no window by WM_CLOSE; the setting is saved all the same.
      if (wParam) onClose();
      return 0;
    case WM_GETOBJECT: {
      const std::optional<LRESULT> object = accessibility_.answer(window_, nullptr, wParam, lParam);
      if (object) return *object;
      break;
    }
    case kDefaultActionMessage:
      onDefaultAction(wParam);
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      if (message != 0 && message == objectCountMessage_) {
        const GuiObjects objects = guiObjectsOfThisProcess();
        return static_cast<LRESULT>(objects.gdi) |
               (static_cast<LRESULT>(objects.user) << kUserObjectsShift);
      }
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// Each control turns its own notifications into events.
void MainWindow::onCommand(int id, int code) {
  if (inRange(id, layout::kTxtInpIdBase, kFieldCount)) {
    EditField* field = fields_.at(static_cast<size_t>(id - layout::kTxtInpIdBase)).get();
    if (field != nullptr) field->onCommand(code);
  } else if (inRange(id, layout::kOptDimIdBase, kDimensionCount)) {
    optDim_.onCommand(id - layout::kOptDimIdBase, code);
  } else if (id == layout::kCmbQualityId && code == CBN_SELCHANGE) {
    accessibility_.update(window_);  // the list's value, which no handler sees
  }
}

void MainWindow::fieldChanged(int index) {
  dispatch(
      "txtInp_Change", [&](frmColor& form) { form.txtInp_Change(static_cast<int16_t>(index)); },
      index);
}

void MainWindow::fieldGotFocus(int index) {
  dispatch(
      "txtInp_GotFocus", [&](frmColor& form) { form.txtInp_GotFocus(static_cast<int16_t>(index)); },
      index);
}

void MainWindow::fieldLostFocus(int index) {
  dispatch(
      "txtInp_LostFocus",
      [&](frmColor& form) { form.txtInp_LostFocus(static_cast<int16_t>(index)); }, index);
}

void MainWindow::optionClicked(int index) {
  dispatch(
      "optDim_Click", [&](frmColor& form) { form.optDim_Click(static_cast<int16_t>(index)); },
      index);
}

// A tick that was queued before its timer was stopped is not delivered.
void MainWindow::onTimer(UINT_PTR id) {
  if (tmSampler_ && id == tmSampler_->id() && tmSampler_->enabled() && form_) {
    const TickTimes::Tick tick(tickTimes_, form_->lCurColor);
    dispatch("tmSampler_Timer", [](frmColor& form) { form.tmSampler_Timer(); });
  } else if (tmrLang_ && id == tmrLang_->id() && tmrLang_->enabled()) {
    dispatch("tmrLang_Timer", [](frmColor& form) { form.tmrLang_Timer(); });
  }
}

void MainWindow::onPointerPress(Point point) {
  router_.press(point);
  SetCapture(window_);
}

// The press is taken before the capture goes: giving it up reports the
// capture lost, and the release still has to see the press.
void MainWindow::onPointerRelease(Point point) {
  const PointerRouter::Handler click = router_.release(point);
  if (GetCapture() == window_) ReleaseCapture();
  dispatch("router click", click, point);
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
  dispatch("Form_Unload", [](frmColor& form) { form.Form_Unload(); });
  ended_ = true;
  if (tmSampler_) tmSampler_->setEnabled(false);
  if (tmrLang_) tmrLang_->setEnabled(false);
  DestroyWindow(window_);
}

void MainWindow::surfaceMouse(const SurfaceWindow& surface, MouseAction action, int16_t button,
                              int16_t shift, float x, float y) {
  if (&surface == imgCurColor_.get()) {
    swatchMouse(action, button, x, y);
    return;
  }
  const layout::SurfaceHandler handler = surfaceHandler(surface.design(), action);
  if (handler == nullptr) return;
  static constexpr std::array<const char*, 3> kActions{"_MouseDown", "_MouseMove", "_MouseUp"};
  const std::string name =
      std::string(surface.design().name) + kActions.at(static_cast<size_t>(action));
  dispatch(
      name.c_str(), [&](frmColor& form) { (form.*handler)(button, shift, x, y); },
      static_cast<int>(x), static_cast<int>(y));
}

// The surface's own keys go through the router as its pointer events do.
bool MainWindow::routeSurfaceKey(const SurfaceWindow& surface, WPARAM key) {
  auto keyCode = static_cast<int16_t>(key);
  const int16_t shift = modifierMask();
  const layout::KeyHandler handler =
      surfaceKeyHandler(surface.design(), keyCode, shift, mouseButtonHeld());
  if (handler == nullptr) return false;
  if (!keyboardCues_) {
    keyboardCues_ = true;
    InvalidateRect(surface.handle(), nullptr, FALSE);
  }
  const std::string name = std::string(surface.design().name) + "_KeyDown";
  dispatch(
      name.c_str(), [&](frmColor& form) { (form.*handler)(keyCode, shift); }, keyCode, shift);
  return true;
}

// The windowless controls the handlers changed, painted as the outermost one
// ends, through the window's own context.
void MainWindow::repaintHeld() {
  const RECT area = windowless_.releaseRepaints();
  if (window_ == nullptr || IsRectEmpty(&area)) return;
  const WindowDc client(window_, WindowDc::Area::client);
  paint(client.get(), area);
}

// Back to front into one buffer that holds the area to paint, then one copy
// to the window: no flicker, and a moved arrow repaints only around itself.
void MainWindow::paint(HDC target, const RECT& area) const {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  RECT client{};
  GetClientRect(window_, &client);
  std::optional<BackBuffer> large;
  const BackBuffer* buffer =
      keptBuffer_.holding(target, width, height, client.right * client.bottom);
  if (buffer == nullptr) buffer = &large.emplace(target, width, height);
  SetViewportOrgEx(buffer->dc(), -area.left, -area.top, nullptr);
  FillRect(buffer->dc(), &area, GetSysColorBrush(COLOR_BTNFACE));
  windowless_.paint(PaintBuffer{buffer->dc(), buffer->pixels(), buffer->width(), area});
  BitBlt(target, area.left, area.top, width, height, buffer->dc(), area.left, area.top, SRCCOPY);
}

}  // namespace tintwell::win32
