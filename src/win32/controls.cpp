#include "win32/controls.h"

#include <commctrl.h>

#include "win32/text.h"

namespace tintwell::win32 {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
// Room for the three entries when the list drops down.
constexpr int kDropDownListExtra = 120;

}  // namespace

HWND createControl(HWND parent, HINSTANCE instance, const layout::ControlDesign& design,
                   const wchar_t* className, DWORD exStyle, DWORD style, int height, HFONT font) {
  const std::wstring caption = toWide(design.caption);
  const HWND control = CreateWindowExW(
      exStyle, className, caption.c_str(), kChild | style, design.left, design.top, design.width,
      height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.controlId)), instance,
      nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

Box placeControl(HWND control, const DisplayScale& scale, const layout::ControlDesign& design,
                 HFONT font, int extraHeight) {
  const Box shown = scale.toPhysical(layout::outerBox(design));
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(control, nullptr, shown.left, shown.top, shown.width(), shown.height() + extraHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(control, nullptr, TRUE);
  return shown;
}

ComboList::ComboList(HWND parent, HINSTANCE instance, const layout::ControlDesign& design,
                     HFONT font)
    : design_(design),
      combo_(createControl(parent, instance, design, WC_COMBOBOXW, 0,
                           WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST,
                           design.height + kDropDownListExtra, font)) {
  fitHeight(design.height);
}

void ComboList::place(const DisplayScale& scale, FontCache& fonts) {
  const Box shown = placeControl(combo_, scale, design_, fonts.get(design_.font, false),
                                 scale.toPhysical(kDropDownListExtra));
  fitHeight(shown.height());
}

// A pick-only list takes its height from its font; the selection field is
// sized so the closed list is exactly as high as designed. Corrected from
// what was set rather than read back: Wine reads back 2 more than was set.
void ComboList::fitHeight(int height) {
  constexpr WPARAM kSelectionField = static_cast<WPARAM>(-1);
  constexpr int kAttempts = 3;
  LRESULT requested = SendMessageW(combo_, CB_GETITEMHEIGHT, kSelectionField, 0);
  if (requested == CB_ERR) return;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    RECT area{};
    GetWindowRect(combo_, &area);
    const int difference = height - (area.bottom - area.top);
    if (difference == 0) return;
    requested += difference;
    SendMessageW(combo_, CB_SETITEMHEIGHT, kSelectionField, requested);
  }
}

void ComboList::clear() {
  SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
}

void ComboList::addItem(const std::string& item) {
  const std::wstring wide = toWide(item);
  SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string ComboList::selectedText() const {
  const LRESULT index = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  const LRESULT length = SendMessageW(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = SendMessageW(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  if (copied == CB_ERR) return {};
  text.resize(static_cast<size_t>(copied));
  return toUtf8(text);
}

int ComboList::listIndex() const {
  return static_cast<int>(SendMessageW(combo_, CB_GETCURSEL, 0, 0));
}

void ComboList::setListIndex(int index) {
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void WindowTimer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled) {
    SetTimer(owner_, id_, intervalMs_, nullptr);
  } else {
    KillTimer(owner_, id_);
  }
}

}  // namespace tintwell::win32
