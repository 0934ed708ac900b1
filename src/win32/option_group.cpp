#include "win32/option_group.h"

#include <commctrl.h>

#include "win32/controls.h"

namespace tintwell::win32 {

// Only the checked option is a tab stop: TAB enters the group there.
void OptionGroup::add(HWND parent, HINSTANCE instance, const layout::ControlDesign& design,
                      HFONT font) {
  const DWORD first = design.index == 0 ? WS_GROUP : 0;
  const DWORD tabStop = design.checked ? WS_TABSTOP : 0;
  const HWND option = createControl(parent, instance, design, WC_BUTTONW, 0,
                                    BS_AUTORADIOBUTTON | first | tabStop, design.height, font);
  options_.at(static_cast<size_t>(design.index)) = option;
  designs_.at(static_cast<size_t>(design.index)) = &design;
  if (design.checked) SendMessageW(option, BM_SETCHECK, BST_CHECKED, 0);
}

void OptionGroup::place(const DisplayScale& scale, FontCache& fonts) {
  for (size_t member = 0; member < options_.size(); ++member) {
    const layout::ControlDesign* design = designs_.at(member);
    if (design != nullptr)
      placeControl(options_.at(member), scale, *design, fonts.get(design->font, false));
  }
}

bool OptionGroup::checked(int index) const {
  return SendMessageW(member(index), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionGroup::onCommand(int index, int code) {
  if (code != BN_CLICKED) return;
  select(index);
  events_.optionClicked(index);
}

// The tab stop follows the checked option, so TAB enters the group there.
void OptionGroup::select(int index) {
  for (size_t member = 0; member < options_.size(); ++member) {
    const HWND option = options_.at(member);
    const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
    const LONG_PTR wanted =
        static_cast<int>(member) == index ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP});
    if (wanted != style) SetWindowLongPtrW(option, GWL_STYLE, wanted);
  }
}

}  // namespace tintwell::win32
