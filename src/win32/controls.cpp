#include "win32/controls.h"

#include <commctrl.h>

#include <utility>

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

void placeControl(HWND control, const DisplayScale& scale, const layout::ControlDesign& design,
                  HFONT font) {
  const Box shown = scale.toPhysical(
      Box{design.left, design.top, design.left + design.width, design.top + design.height});
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(control, nullptr, shown.left, shown.top, shown.right - shown.left,
               shown.bottom - shown.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(control, nullptr, TRUE);
}

EditField::EditField(HWND parent, HINSTANCE instance, const layout::ControlDesign& design,
                     HFONT font, FieldEvents& events)
    : edit_(createControl(parent, instance, design, WC_EDITW, WS_EX_CLIENTEDGE,
                          WS_TABSTOP | WS_GROUP | ES_LEFT | ES_AUTOHSCROLL, design.height, font)),
      index_(design.index),
      events_(events) {
  SendMessageW(edit_, EM_LIMITTEXT, static_cast<WPARAM>(design.maxLength), 0);
}

void EditField::onCommand(int code) {
  switch (code) {
    case EN_CHANGE:
      if (acceptChange()) events_.fieldChanged(index_);
      break;
    case EN_MAXTEXT:
      refused_ = true;  // typed or pasted text was cut at the maximum length
      break;
    case EN_SETFOCUS:
      events_.fieldGotFocus(index_);
      break;
    case EN_KILLFOCUS:
      events_.fieldLostFocus(index_);
      break;
    default:
      break;
  }
}

std::string EditField::text() const {
  return windowText(edit_);
}

// An EDIT control sends EN_CHANGE from inside WM_SETTEXT; where the platform
// leaves it out (some do for an unchanged text), the change is raised here,
// so every write is seen exactly once and before this returns.
void EditField::setText(const std::string& text) {
  if (readsAsWritten(this->text(), text, [this] { return editState(); })) {
    events_.fieldChanged(index_);
    return;
  }
  const unsigned before = changes_;
  SetWindowTextW(edit_, toWide(text).c_str());
  if (changes_ == before) {
    lastText_ = this->text();
    events_.fieldChanged(index_);
  }
}

EditState EditField::editState() const {
  DWORD selectionStart = 0;
  DWORD selectionEnd = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
               reinterpret_cast<LPARAM>(&selectionEnd));
  return {static_cast<int>(selectionStart), static_cast<int>(selectionEnd),
          SendMessageW(edit_, EM_CANUNDO, 0, 0) != 0};
}

// Wine's EDIT sends EN_CHANGE also for a keystroke it refused at the maximum
// length (after EN_MAXTEXT); Windows sends none, as nothing changed. A refusal
// that leaves the text as it was is therefore no change. Program writes never
// get here refused: the maximum length does not apply to them.
bool EditField::acceptChange() {
  ++changes_;
  std::string now = text();
  const bool unchanged = refused_ && now == lastText_;
  refused_ = false;
  lastText_ = std::move(now);
  return !unchanged;
}

int EditField::selStart() const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

void EditField::setSelStart(int position) {
  SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(position), static_cast<LPARAM>(position));
}

ComboList::ComboList(HWND parent, HINSTANCE instance, const layout::ControlDesign& design,
                     HFONT font)
    : combo_(createControl(parent, instance, design, WC_COMBOBOXW, 0,
                           WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST,
                           design.height + kDropDownListExtra, font)) {
  fitHeight(design.height);
}

void ComboList::place(const DisplayScale& scale, const layout::ControlDesign& design, HFONT font) {
  const Box shown = scale.toPhysical(
      Box{design.left, design.top, design.left + design.width, design.top + design.height});
  SendMessageW(combo_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowPos(combo_, nullptr, shown.left, shown.top, shown.right - shown.left,
               shown.bottom - shown.top + scale.toPhysical(kDropDownListExtra),
               SWP_NOZORDER | SWP_NOACTIVATE);
  fitHeight(shown.bottom - shown.top);
  InvalidateRect(combo_, nullptr, TRUE);
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
