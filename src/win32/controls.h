#pragma once

// The windowed controls behind the ports: text fields, the drop-down list
// and the timers.

#include <windows.h>

#include <string>

#include "shell/ports.h"

namespace tintwell::win32 {

// Where a field reports a write that the platform did not announce.
class FieldEvents {
 public:
  virtual void fieldChanged(int index) = 0;

 protected:
  ~FieldEvents() = default;
};

class EditField final : public TextField {
 public:
  EditField(HWND edit, int index, FieldEvents& events)
      : edit_(edit), index_(index), events_(events) {}

  // The window hands every EN_CHANGE of the field here; false when it
  // reports nothing new (see the .cpp).
  bool acceptChange();
  // EN_MAXTEXT: typed or pasted text was cut at the maximum length.
  void noteRefusedInput() { refused_ = true; }

  std::string text() const override;
  void setText(const std::string& text) override;
  int selStart() const override;
  void setSelStart(int position) override;

 private:
  HWND edit_;
  int index_;
  FieldEvents& events_;
  unsigned changes_ = 0;
  bool refused_ = false;
  std::string lastText_;
};

class ComboList final : public DropDownList {
 public:
  explicit ComboList(HWND combo) : combo_(combo) {}

  void clear() override;
  void addItem(const std::string& item) override;
  int listIndex() const override;
  void setListIndex(int index) override;

 private:
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
