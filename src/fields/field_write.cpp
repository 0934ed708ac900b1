#include "fields/field_write.h"

namespace tintwell {

// A write leaves the text with the caret at its start, nothing selected and
// nothing to undo (and so scrolled to the start). A field that is like that
// already need not be written again: redrawing it is most of what a tick over
// an unchanged colour would cost, and nobody could see it. The text is asked
// first: when the colour changed, it alone differs.
bool readsAsWritten(std::string_view shown, std::string_view text,
                    const std::function<EditState()>& rest) {
  if (shown != text) return false;
  const EditState state = rest();
  return state.selectionStart == 0 && state.selectionEnd == 0 && !state.canUndo;
}

}  // namespace tintwell
