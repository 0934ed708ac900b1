#include "win32/main_window.h"

#include <windowsx.h>

#include <array>

#include "shell/pump_guard.h"
#include "win32/dpi.h"
#include "win32/gui_objects.h"
#include "win32/resource.h"
#include "win32/text.h"
#include "win32/window_procedure.h"

namespace tintwell::win32 {

namespace {

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_BORDER | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;
constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 32;

HICON loadIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_TINTWELL), IMAGE_ICON, size, size, LR_SHARED));
}

// A test that drives the window names a file for its handler trace, and
// asks for the object counts, and a benchmark one for the sampler's ticks,
// in the program's environment.
std::string environmentText(const wchar_t* name) {
  std::array<wchar_t, MAX_PATH> text{};
  const DWORD length = GetEnvironmentVariableW(name, text.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return toUtf8(std::wstring_view(text.data(), length));
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : instance_(instance),
      trace_(environmentText(L"TINTWELL_TRACE")),
      tickTimes_(environmentText(L"TINTWELL_TICK_TIMES")),
      objectCountMessage_(environmentText(L"TINTWELL_COUNT_OBJECTS").empty()
                              ? 0
                              : RegisterWindowMessageW(kCountObjectsMessage)),
      windowless_(instance, fonts_) {}

// The children hold the fonts, so the window goes before the members do.
MainWindow::~MainWindow() {
  accessibility_.detach();
  ended_ = true;
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
}

bool MainWindow::open(int showCommand) {
  if (!createWindow()) return false;
  createChildren();
  // Made at the designed scale, then laid out for the monitor it opens on.
  const int dpi = dpiOfWindow(window_);
  if (dpi != scale_.dpi()) applyDpi(dpi, nullptr);
  connectForm();
  form_->Form_Load();
  if (ended_) return true;
  accessibility_.update(window_);
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  SetFocus(imgMatrix_->handle());
  return true;
}

bool MainWindow::createWindow() {
  const std::wstring className = toWide(layout::kWindowClassName);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  // A double-click's second press comes as its own message, which makes no click.
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc =
      &ownedWindowProc<MainWindow, &MainWindow::window_, &MainWindow::onMessage>;
  windowClass.hInstance = instance_;
  windowClass.hIcon = loadIcon(instance_, kLargeIconSize);
  windowClass.hIconSm = loadIcon(instance_, kSmallIconSize);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = className.c_str();
  // A second window of the process finds the class already there.
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }
  SurfaceWindow::registerClass(instance_);

  RECT frame{0, 0, layout::kClientWidth, layout::kClientHeight};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
  const std::wstring caption = toWide(layout::kInitialCaption);
  CreateWindowExW(kWindowExStyle, className.c_str(), caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                  nullptr, instance_, this);
  if (window_ == nullptr) return false;
  windowless_.attach(window_);
  platform_.setOwner(window_);
  return true;
}

// Created in tab order, which is also the order the dialog keys follow.
void MainWindow::createChildren() {
  for (const layout::ControlDesign* design : layout::windowedControls()) createChild(*design);
  const layout::TimerDesign& sampler = layout::timerDesign(layout::Timer::tmSampler);
  const layout::TimerDesign& hover = layout::timerDesign(layout::Timer::tmrLang);
  tmSampler_ = std::make_unique<WindowTimer>(window_, sampler.timerId, sampler.intervalMs);
  tmrLang_ = std::make_unique<WindowTimer>(window_, hover.timerId, hover.intervalMs);
  tmSampler_->setEnabled(sampler.enabledAtCreation);
  tmrLang_->setEnabled(hover.enabledAtCreation);
}

void MainWindow::createChild(const layout::ControlDesign& design) {
  const HFONT font = fonts_.get(design.font, false);
  createControlOf(design, font);
  const accessible::AccessibleDesign* exposed = accessible::findAccessible(design.id, design.index);
  // A surface answers from its own window procedure.
  if (exposed != nullptr && design.kind != layout::ControlKind::surface) {
    accessibility_.watch(windowOf(*exposed), *exposed);
  }
}

void MainWindow::createControlOf(const layout::ControlDesign& design, HFONT font) {
  switch (design.kind) {
    case layout::ControlKind::surface: {
      std::unique_ptr<SurfaceWindow>& surface = design.id == layout::Control::imgMatrix ? imgMatrix_
                                                : design.id == layout::Control::imgVertical
                                                    ? imgVertical_
                                                    : imgCurColor_;
      surface = std::make_unique<SurfaceWindow>(design, static_cast<SurfaceEvents&>(*this));
      surface->create(window_, instance_);
      break;
    }
    case layout::ControlKind::textField:
      fields_.at(static_cast<size_t>(design.index)) = std::make_unique<EditField>(
          window_, instance_, design, font, static_cast<FieldEvents&>(*this));
      break;
    case layout::ControlKind::optionButton:
      optDim_.add(window_, instance_, design, font);
      break;
    case layout::ControlKind::dropDownList:
      cmbQuality_ = std::make_unique<ComboList>(window_, instance_, design, font);
      break;
    default:
      break;
  }
}

void MainWindow::applyDpi(int dpi, const RECT* suggested) {
  scale_ = DisplayScale(dpi);
  fonts_.setDpi(scale_.dpi());
  windowless_.setScale(scale_);
  for (SurfaceWindow* surface : {imgMatrix_.get(), imgVertical_.get(), imgCurColor_.get()}) {
    if (surface != nullptr) surface->setScale(scale_);
  }
  for (const std::unique_ptr<EditField>& field : fields_) {
    if (field) field->place(scale_, fonts_);
  }
  optDim_.place(scale_, fonts_);
  if (cmbQuality_) cmbQuality_->place(scale_, fonts_);
  if (suggested != nullptr) {
    SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The client area must be the designed one scaled, whatever frame the
  // system draws now: the frame is measured rather than assumed.
  RECT outer{};
  RECT client{};
  GetWindowRect(window_, &outer);
  GetClientRect(window_, &client);
  const int frameWidth = (outer.right - outer.left) - client.right;
  const int frameHeight = (outer.bottom - outer.top) - client.bottom;
  SetWindowPos(window_, nullptr, 0, 0, scale_.toPhysical(layout::kClientWidth) + frameWidth,
               scale_.toPhysical(layout::kClientHeight) + frameHeight,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  // The icon file holds the sizes each scale asks for; none is stretched.
  SendMessageW(window_, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(loadIcon(instance_, scale_.toPhysical(kSmallIconSize))));
  SendMessageW(window_, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(loadIcon(instance_, scale_.toPhysical(kLargeIconSize))));
  InvalidateRect(window_, nullptr, FALSE);
}

Point MainWindow::designedPoint(LPARAM position) const {
  return Point{scale_.toDesigned(GET_X_LPARAM(position)),
               scale_.toDesigned(GET_Y_LPARAM(position))};
}

void MainWindow::connectForm() {
  std::array<TextField*, kFieldCount> fields{};
  for (size_t index = 0; index < fields.size(); ++index) fields.at(index) = fields_.at(index).get();
  controls_ = std::make_unique<FormControls>(FormControls{
      .form = *this,
      .txtInp = fields,
      .imgMatrix = *imgMatrix_,
      .imgVertical = *imgVertical_,
      .imgCurColor = *imgCurColor_,
      .windowless = windowless_,
      .cmbQuality = *cmbQuality_,
      .tmSampler = *tmSampler_,
      .tmrLang = *tmrLang_,
      .platform = platform_,
  });
  form_.emplace(*controls_);
}

int MainWindow::run() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) deliver(message);
  return static_cast<int>(message.wParam);
}

// Every message that is waiting now, then back to the caller; a quit request
// is left for the loop of run(). Inside another pump it leaves them to that one.
// Fields whose text changed repaint first, each handed its paint directly:
// fetched from the queue, each repaint would cost a server round trip more.
// Without such a field, asking for paints would cost that trip for nothing.
void MainWindow::doEvents() {
  const PumpGuard pump(pumping_);
  if (!pump.entered()) return;
  bool fieldsChanged = false;
  for (const std::unique_ptr<EditField>& field : fields_) {
    if (field) fieldsChanged = field->takeRepaintPending() || fieldsChanged;
  }
  if (fieldsChanged && window_ != nullptr) UpdateWindow(window_);
  MSG message{};
  while (!ended_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    deliver(message);
  }
}

// Tab and Shift+Tab are keyboard navigation: focus cues show from then on,
// first on the control the Tab moves to.
void MainWindow::deliver(MSG& message) {
  previewKey(message);
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && isOurs(message.hwnd)) {
    keyboardCues_ = true;
  }
  if (window_ != nullptr && IsDialogMessageW(window_, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool MainWindow::isOurs(HWND window) const {
  return window_ != nullptr && (window == window_ || IsChild(window_, window));
}

// Key preview: the window sees every key before the control with the focus.
void MainWindow::previewKey(MSG& message) {
  const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
  if ((!down && !up) || !isOurs(message.hwnd)) return;
  auto keyCode = static_cast<int16_t>(message.wParam);
  const int16_t shift = modifierMask();
  dispatch(
      down ? "Form_KeyDown" : "Form_KeyUp",
      [&](frmColor& form) {
        if (down) {
          form.Form_KeyDown(keyCode, shift);
        } else {
          form.Form_KeyUp(keyCode, shift);
        }
      },
      keyCode);
  message.wParam = static_cast<WPARAM>(static_cast<uint16_t>(keyCode));
}

std::string MainWindow::caption() const {
  return windowText(window_);
}

void MainWindow::setCaption(const std::string& caption) {
  SetWindowTextW(window_, toWide(caption).c_str());
}

int MainWindow::scaleWidth() const {
  RECT client{};
  GetClientRect(window_, &client);
  return scale_.toDesigned(client.right) - scale_.toDesigned(client.left);
}

OuterRect MainWindow::outerRect() const {
  RECT area{};
  GetWindowRect(window_, &area);
  constexpr float kTwips = static_cast<float>(kTwipsPerPixel);
  return OuterRect{static_cast<float>(area.left) * kTwips, static_cast<float>(area.top) * kTwips,
                   static_cast<float>(area.right - area.left) * kTwips,
                   static_cast<float>(area.bottom - area.top) * kTwips};
}

// Screen pixels are the display's; the window's handlers work in designed ones.
void MainWindow::screenToClient(Point& point) const {
  POINT position{point.x, point.y};
  ScreenToClient(window_, &position);
  point.x = scale_.toDesigned(position.x);
  point.y = scale_.toDesigned(position.y);
}

}  // namespace tintwell::win32
