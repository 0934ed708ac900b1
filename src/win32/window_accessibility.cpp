#include "win32/window_accessibility.h"

#include <array>

namespace tintwell::win32 {

namespace {

using accessible::AccessibleDesign;
using accessible::Change;

constexpr std::array<DWORD, 4> kEvents{
    EVENT_OBJECT_NAMECHANGE,
    EVENT_OBJECT_VALUECHANGE,
    EVENT_OBJECT_DESCRIPTIONCHANGE,
    EVENT_OBJECT_STATECHANGE,
};
static_assert(static_cast<size_t>(Change::name) == 0 && static_cast<size_t>(Change::state) == 3);

}  // namespace

WindowAccessibility::WindowAccessibility(AccessibleControls& controls)
    : controls_(controls), link_(std::make_shared<AccessibleLink>(AccessibleLink{&controls})) {}

WindowAccessibility::~WindowAccessibility() {
  detach();
}

void WindowAccessibility::detach() {
  link_->controls = nullptr;
}

void WindowAccessibility::watch(HWND control, const AccessibleDesign& design) {
  Watched& entry = watched_.emplace_back(Watched{this, nullptr, &design});
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&entry));
  entry.original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowAccessibility::controlProcedure)));
}

LRESULT CALLBACK WindowAccessibility::controlProcedure(HWND control, UINT message, WPARAM wParam,
                                                       LPARAM lParam) {
  const auto* entry = reinterpret_cast<const Watched*>(GetWindowLongPtrW(control, GWLP_USERDATA));
  if (entry == nullptr || entry->original == nullptr) {
    return DefWindowProcW(control, message, wParam, lParam);
  }
  if (message == WM_GETOBJECT) {
    const std::optional<LRESULT> answer =
        entry->owner->answer(control, entry->design, wParam, lParam);
    if (answer) return *answer;
  }
  return CallWindowProcW(entry->original, control, message, wParam, lParam);
}

// Only the client area is ours; the frame, the caret and the rest stay the
// system's.
std::optional<LRESULT> WindowAccessibility::answer(HWND window, const AccessibleDesign* design,
                                                   WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT || link_->controls == nullptr) return std::nullopt;
  if (!runtimeTried_) {
    runtimeTried_ = true;
    runtime_ = AccessibilityRuntime::load();
    link_->runtime = runtime_.get();
  }
  if (!runtime_) return std::nullopt;
  IAccessible* object = makeAccessibleObject(link_, window, design);
  if (object == nullptr) return std::nullopt;
  const LRESULT result = runtime_->resultFromObject(wParam, object);
  object->Release();
  return result;
}

void WindowAccessibility::update(HWND form) {
  std::vector<accessible::Facts> readings;
  readings.reserve(accessible::exposedControls().size());
  for (const AccessibleDesign& design : accessible::exposedControls()) {
    std::optional<accessible::Facts> facts = controls_.factsOf(design, FieldText::leftOut);
    if (!facts) return;
    readings.push_back(std::move(*facts));
  }
  if (!readings_.empty()) {
    for (const accessible::ChangeOf& change : accessible::changesBetween(readings_, readings)) {
      raise(form, change);
    }
  }
  readings_ = std::move(readings);
}

void WindowAccessibility::raise(HWND form, const accessible::ChangeOf& change) {
  const AccessibleDesign& design = accessible::exposedControls()[change.control];
  const DWORD event = kEvents.at(static_cast<size_t>(change.change));
  if (accessible::isWindowless(design)) {
    NotifyWinEvent(event, form, OBJID_CLIENT, windowlessChildId(design));
  } else {
    NotifyWinEvent(event, controls_.windowOf(design), OBJID_CLIENT, CHILDID_SELF);
  }
}

}  // namespace tintwell::win32
