#pragma once

// The windowed controls behind the ports: text fields, the drop-down list
// and the timers. Each creates its own window.

#include <windows.h>

#include <string>

#include "fields/field_write.h"
#include "shell/display_scale.h"
#include "shell/layout.h"
#include "shell/ports.h"

namespace tintwell::win32 {

// Creates the child window of a design at its place, with its caption,
// control ID and font.
HWND createControl(HWND parent, HINSTANCE instance, const layout::ControlDesign& design,
                   const wchar_t* className, DWORD exStyle, DWORD style, int height, HFONT font);

// Moves a child window to its design's place at the display's scale, in the
// font made for that scale; its text, caret and selection stay as they are.
void placeControl(HWND control, const DisplayScale& scale, const layout::ControlDesign& design,
                  HFONT font);

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

  std::string text() const override;
  void setText(const std::string& text) override;
  int selStart() const override;
  void setSelStart(int position) override;

 private:
  bool acceptChange();
  EditState editState() const;

  HWND edit_;
  int index_;
  FieldEvents& events_;
  unsigned changes_ = 0;
  bool refused_ = false;
  std::string lastText_;
};

class ComboList final : public DropDownList {
 public:
  ComboList(HWND parent, HINSTANCE instance, const layout::ControlDesign& design, HFONT font);

  void clear() override;
  void addItem(const std::string& item) override;
  int listIndex() const override;
  void setListIndex(int index) override;

  // placeControl for the list: the closed list keeps its designed height scaled.
  void place(const DisplayScale& scale, const layout::ControlDesign& design, HFONT font);

 private:
  void fitHeight(int height);

  HWND combo_;
};

class WindowTimer final : public IntervalTimer {
 public:
  WindowTimer(HWND owner, UINT_PTR id, UINT intervalMs)
      : owner_(owner), id_(id), intervalMs_(intervalMs) {}

  UINT_PTR id() const { return id_; }
  bool enabled() const override { return enabled_; }
  // Enabling a running timer leaves its rhythm alone: SHIFT's auto-repeat
  // enables it again and again, and restarting would starve its ticks.
  void setEnabled(bool enabled) override;

 private:
  HWND owner_;
  UINT_PTR id_;
  UINT intervalMs_;
  bool enabled_ = false;
};

}  // namespace tintwell::win32
