#include "win32/edit_field.h"

#include <commctrl.h>

#include "win32/controls.h"
#include "win32/text.h"

namespace tintwell::win32 {

EditField::EditField(HWND parent, HINSTANCE instance, const layout::ControlDesign& design,
                     HFONT font, FieldEvents& events)
    : design_(design),
      edit_(createControl(parent, instance, design, WC_EDITW, WS_EX_CLIENTEDGE,
                          WS_TABSTOP | WS_GROUP | ES_LEFT | ES_AUTOHSCROLL, design.height, font)),
      index_(design.index),
      events_(events) {
  SendMessageW(edit_, EM_LIMITTEXT, static_cast<WPARAM>(design.maxLength), 0);
}

void EditField::onCommand(int code) {
  switch (code) {
    case EN_CHANGE:
      repaintPending_ = true;
      if (acceptChange()) events_.fieldChanged(index_);
      break;
    case EN_MAXTEXT:
      // Typed or pasted text was cut at the maximum length; it comes before
      // the text changes, if it does.
      refused_ = true;
      textBeforeRefusal_ = text();
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

void EditField::place(const DisplayScale& scale, FontCache& fonts) {
  placeControl(edit_, scale, design_, fonts.get(design_.font, false));
}

std::string EditField::text() const {
  if (!knownText_) knownText_ = windowText(edit_);
  return *knownText_;
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
  if (changes_ == before) events_.fieldChanged(index_);
  // One change, this write's: the field holds what was written.
  if (changes_ == before + 1) {
    knownText_ = text;
    writtenSinceChange_ = true;
  }
}

EditState EditField::editState() const {
  DWORD selectionStart = 0;
  DWORD selectionEnd = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
               reinterpret_cast<LPARAM>(&selectionEnd));
  return {static_cast<int>(selectionStart), static_cast<int>(selectionEnd),
          !writtenSinceChange_ && SendMessageW(edit_, EM_CANUNDO, 0, 0) != 0};
}

// Wine's EDIT sends EN_CHANGE also for a keystroke it refused at the maximum
// length (after EN_MAXTEXT); Windows sends none, as nothing changed. A refusal
// that leaves the text as it was is therefore no change. Program writes never
// get here refused: the maximum length does not apply to them.
bool EditField::acceptChange() {
  ++changes_;
  knownText_.reset();
  writtenSinceChange_ = false;
  const bool unchanged = refused_ && text() == textBeforeRefusal_;
  refused_ = false;
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

}  // namespace tintwell::win32
