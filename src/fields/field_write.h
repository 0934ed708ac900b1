#pragma once

#include <functional>
#include <string_view>

namespace tintwell {

// What a field holds besides its text that a program write resets.
struct EditState {
  int selectionStart = 0;  // characters
  int selectionEnd = 0;
  bool canUndo = false;
};

// Whether writing text into a field that shows `shown` would leave it exactly
// as it is; `rest` is asked only when the texts agree.
bool readsAsWritten(std::string_view shown, std::string_view text,
                    const std::function<EditState()>& rest);

}  // namespace tintwell
