#pragma once

// A value field: a single-line EDIT control behind the text field port. It
// turns its own notifications into the events of its index.

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

#include "fields/field_write.h"
#include "shell/display_scale.h"
#include "shell/layout.h"
#include "shell/ports.h"
#include "win32/fonts.h"

namespace tintwell::win32 {

// Where a field reports its events, by its index in the group.
class FieldEvents {
 public:
  virtual void fieldChanged(int index) = 0;
  virtual void fieldGotFocus(int index) = 0;
  virtual void fieldLostFocus(int index) = 0;

 protected:
  ~FieldEvents() = default;
};

class EditField final : public TextField {
 public:
  EditField(HWND parent, HINSTANCE instance, const layout::ControlDesign& design, HFONT font,
            FieldEvents& events);

  // A WM_COMMAND notification the parent received from the field.
  void onCommand(int code);
  // Lays the field out for a display's scale.
  void place(const DisplayScale& scale, FontCache& fonts);
  // Whether the text changed since last asked: the field then has a paint pending.
  bool takeRepaintPending() { return std::exchange(repaintPending_, false); }
  HWND handle() const { return edit_; }

  std::string text() const override;
  void setText(const std::string& text) override;
  int selStart() const override;
  void setSelStart(int position) override;

 private:
  bool acceptChange();
  EditState editState() const;

  const layout::ControlDesign& design_;
  HWND edit_;
  int index_;
  FieldEvents& events_;
  unsigned changes_ = 0;
  bool refused_ = false;
  bool repaintPending_ = false;
  std::string textBeforeRefusal_;  // read as a refusal comes
  // The text as last read or written, good until the field reports a change
  // (every change of an EDIT's text sends EN_CHANGE, a program's write too):
  // the sampler compares all eight fields at every tick. A write also empties
  // the undo buffer, and nothing fills it without a change.
  mutable std::optional<std::string> knownText_;
  bool writtenSinceChange_ = false;
};

}  // namespace tintwell::win32
