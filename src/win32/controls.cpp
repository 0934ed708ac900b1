#include "win32/controls.h"

#include <utility>

#include "win32/text.h"

namespace tintwell::win32 {

std::string EditField::text() const {
  return windowText(edit_);
}

// An EDIT control sends EN_CHANGE from inside WM_SETTEXT; where the platform
// leaves it out (some do for an unchanged text), the change is raised here,
// so every write is seen exactly once and before this returns.
void EditField::setText(const std::string& text) {
  const unsigned before = changes_;
  SetWindowTextW(edit_, toWide(text).c_str());
  if (changes_ == before) {
    lastText_ = this->text();
    events_.fieldChanged(index_);
  }
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
