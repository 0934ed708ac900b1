#pragma once

// The dimension options: one group of radio buttons, checked one at a time.

#include <windows.h>

#include <array>

#include "core/vocabulary.h"
#include "shell/display_scale.h"
#include "shell/layout.h"
#include "win32/fonts.h"

namespace tintwell::win32 {

// Where the group reports a click, by the index of the option.
class OptionEvents {
 public:
  virtual void optionClicked(int index) = 0;

 protected:
  ~OptionEvents() = default;
};

class OptionGroup {
 public:
  explicit OptionGroup(OptionEvents& events) : events_(events) {}

  // Creates the member of that design.
  void add(HWND parent, HINSTANCE instance, const layout::ControlDesign& design, HFONT font);
  // A WM_COMMAND notification the parent received from a member.
  void onCommand(int index, int code);
  // Lays the group out for a display's scale.
  void place(const DisplayScale& scale, FontCache& fonts);
  HWND member(int index) const { return options_.at(static_cast<size_t>(index)); }
  bool checked(int index) const;

 private:
  void select(int index);

  OptionEvents& events_;
  std::array<HWND, kDimensionCount> options_{};
  std::array<const layout::ControlDesign*, kDimensionCount> designs_{};
};

}  // namespace tintwell::win32
