#include "fakes/fake_controls.h"

#include <algorithm>

#include "shell/pump_guard.h"

namespace tintwell::fakes {

namespace {

bool startsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0u) != 0x80u;
}

// Byte offset of a character position in a UTF-8 text.
size_t byteOffset(const std::string& text, int position) {
  size_t offset = 0;
  int seen = 0;
  while (offset < text.size()) {
    if (startsCharacter(text[offset])) {
      if (seen == position) return offset;
      ++seen;
    }
    ++offset;
  }
  return offset;
}

int characterCount(const std::string& text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), startsCharacter));
}

}  // namespace

int FakeTextField::length() const {
  return characterCount(text_);
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
  for (size_t start = 0; start < typed.size();) {
    size_t end = start + 1;
    while (end < typed.size() && !startsCharacter(typed[end])) ++end;
    if (length() >= maxLength_) return;  // the control refuses the character
    text_.insert(byteOffset(text_, caret_), typed.substr(start, end - start));
    ++caret_;
    if (onChange) onChange();
    start = end;
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
