#pragma once

// The drop-down list and the timers behind the ports, and what every
// windowed control does to be created and laid out.

#include <windows.h>

#include <string>

#include "fields/field_write.h"
#include "shell/display_scale.h"
#include "shell/layout.h"
#include "shell/ports.h"
#include "win32/fonts.h"

namespace tintwell::win32 {

// Creates the child window of a design at its place, with its caption,
// control ID and font.
HWND createControl(HWND parent, HINSTANCE instance, const layout::ControlDesign& design,
                   const wchar_t* className, DWORD exStyle, DWORD style, int height, HFONT font);

// Moves a child window to its design's place at the display's scale, in the
// font made for that scale, extraHeight physical pixels taller; its text,
// caret and selection stay as they are. Returns the designed place scaled.
Box placeControl(HWND control, const DisplayScale& scale, const layout::ControlDesign& design,
                 HFONT font, int extraHeight = 0);

class ComboList final : public DropDownList {
 public:
  ComboList(HWND parent, HINSTANCE instance, const layout::ControlDesign& design, HFONT font);

  // Lays the list out for a display's scale: the closed list keeps its
  // designed height scaled.
  void place(const DisplayScale& scale, FontCache& fonts);
  HWND handle() const { return combo_; }
  // The selected entry as the list shows it; empty when none is.
  std::string selectedText() const;

  void clear() override;
  void addItem(const std::string& item) override;
  int listIndex() const override;
  void setListIndex(int index) override;

 private:
  void fitHeight(int height);

  const layout::ControlDesign& design_;
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
