#include "fakes/fake_controls.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/utf8.h"
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

void FakeTextField::setText(const std::string& text) {
  text_ = text;
  caret_ = 0;
  ++writeCount;
  if (onChange) onChange();
}

void FakeTextField::setSelStart(int position) {
  caret_ = std::clamp(position, 0, length());
}

void FakeTextField::type(const std::string& typed) {
  for (const std::string_view character : utf8Characters(typed)) {
    if (length() >= maxLength_) return;  // the control refuses the character
    text_.insert(byteOffset(text_, caret_), character);
    ++caret_;
    if (onChange) onChange();
  }
}

void FakeTextField::backspace() {
  if (caret_ == 0) return;
  const size_t from = byteOffset(text_, caret_ - 1);
  text_.erase(from, byteOffset(text_, caret_) - from);
  --caret_;
  if (onChange) onChange();
}

// A paste replaces the selection in one change, cut at the maximum length.
void FakeTextField::selectAllAndType(const std::string& typed) {
  text_ = typed.substr(0, byteOffset(typed, maxLength_));
  caret_ = length();
  if (onChange) onChange();
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
    : geometry_(geometry), image_(geometry.width - 2 * kBorder, geometry.height - 2 * kBorder) {}

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
