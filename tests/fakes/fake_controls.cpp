#include "fakes/fake_controls.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/utf8.h"
#include "core/vocabulary.h"
#include "fields/field_write.h"
#include "shell/pump_guard.h"

namespace tintwell::fakes {

namespace {

// Byte offset of a character position in a UTF-8 text; past its end, the end.
size_t byteOffset(const std::string& text, int position) {
  const std::vector<std::string_view> characters = utf8Characters(text);
  if (position < 0 || position >= static_cast<int>(characters.size())) return text.size();
  return static_cast<size_t>(characters[static_cast<size_t>(position)].data() - text.data());
}

}  // namespace

int FakeTextField::length() const {
  return static_cast<int>(utf8Characters(text_).size());
}

std::string FakeTextField::selected() const {
  const size_t from = byteOffset(text_, selectionStart_);
  return text_.substr(from, byteOffset(text_, selectionEnd_) - from);
}

void FakeTextField::setText(const std::string& text) {
  ++writeCount;
  userText_ = false;
  const auto state = [this] {
    return EditState{selectionStart_, selectionEnd_, undoText_.has_value()};
  };
  if (readsAsWritten(text_, text, state)) {
    ++skippedWrites;
  } else {
    text_ = text;
    selectionStart_ = selectionEnd_ = 0;
    undoText_.reset();
  }
  if (onChange) onChange();
}

void FakeTextField::setSelStart(int position) {
  selectionStart_ = selectionEnd_ = std::clamp(position, 0, length());
}

void FakeTextField::edit(std::string text, int caret) {
  undoText_ = text_;
  text_ = std::move(text);
  selectionStart_ = selectionEnd_ = caret;
  userText_ = true;
  if (onChange) onChange();
}

void FakeTextField::refuse() {
  if (refusalRaisesChange && onChange) onChange();
}

void FakeTextField::replaceSelection(const std::string& text) {
  const int room = maxLength_ - (length() - (selectionEnd_ - selectionStart_));
  const std::string fitting = text.substr(0, byteOffset(text, room));
  if (fitting.empty() && !text.empty()) return refuse();
  const size_t from = byteOffset(text_, selectionStart_);
  std::string changed = text_;
  changed.replace(from, byteOffset(text_, selectionEnd_) - from, fitting);
  edit(std::move(changed), selectionStart_ + static_cast<int>(utf8Characters(fitting).size()));
}

void FakeTextField::type(const std::string& typed) {
  for (const std::string_view character : utf8Characters(typed)) {
    replaceSelection(std::string(character));
  }
}

void FakeTextField::backspace() {
  if (selectionStart_ == selectionEnd_) {
    if (selectionStart_ == 0) return;
    --selectionStart_;
  }
  replaceSelection("");
}

void FakeTextField::deleteForward() {
  if (selectionStart_ == selectionEnd_) {
    if (selectionEnd_ == length()) return;
    ++selectionEnd_;
  }
  replaceSelection("");
}

void FakeTextField::selectAll() {
  selectionStart_ = 0;
  selectionEnd_ = length();
}

void FakeTextField::selectAllAndType(const std::string& typed) {
  selectAll();
  replaceSelection(typed);
}

void FakeTextField::cut(std::string& clipboard) {
  if (selectionStart_ == selectionEnd_) return;
  clipboard = selected();
  replaceSelection("");
}

void FakeTextField::paste(const std::string& clipboard) {
  if (!clipboard.empty()) replaceSelection(clipboard);
}

// One level of undo, as the platform's field has: undoing twice redoes.
void FakeTextField::undo() {
  if (!undoText_) return;
  std::string restored = std::move(*undoText_);
  edit(std::move(restored), 0);
}

bool FakeClipboard::setText(const std::string& text) {
  if (!writable) return false;
  contents = text;
  ++writeCount;
  return true;
}

void FakeDropDownList::clear() {
  items.clear();
  index_ = -1;
}

void FakeDropDownList::setListIndex(int index) {
  // A list selects only an entry it has; anything else clears the selection.
  index_ = index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
}

FakeSurface::FakeSurface(const SurfaceGeometry& geometry)
    : geometry_(geometry),
      image_(geometry.width - 2 * kSurfaceBorder, geometry.height - 2 * kSurfaceBorder) {}

void FakeWindow::doEvents() {
  ++doEventsCount;
  const PumpGuard pump(pumping_);
  if (!pump.entered()) return;
  // Events queued meanwhile run too, as a PeekMessage loop would take them.
  constexpr int kRunawayLimit = 100000;
  for (int ran = 0; !pending.empty() && ran < kRunawayLimit; ++ran) {
    auto event = std::move(pending.front());
    pending.pop_front();
    event();
  }
}

void FakeWindow::screenToClient(Point& point) const {
  point.x -= clientOrigin.x;
  point.y -= clientOrigin.y;
}

bool FakePlatform::getCursorPos(Point& point) {
  if (!cursorReadable) return false;
  point = cursor;
  return true;
}

PackedColor FakePlatform::readScreenPixel(int32_t x, int32_t y) {
  screenReads.push_back({x, y});
  if (duringScreenRead) duringScreenRead();
  return screen(x, y);
}

}  // namespace tintwell::fakes
