#include "screen_reader.h"

#include <array>

#include "win32/text.h"

namespace tintwell::e2e {

namespace {

VARIANT childVariant(LONG child) {
  VARIANT id{};
  id.vt = VT_I4;
  id.lVal = child;
  return id;
}

// Takes a string COM handed over; empty when there was none.
std::string taken(BSTR text) {
  if (text == nullptr) return {};
  std::string utf8 = win32::toUtf8(std::wstring_view(text, SysStringLen(text)));
  SysFreeString(text);
  return utf8;
}

EventListener* listening = nullptr;

}  // namespace

std::optional<ReaderObject> ReaderObject::ofWindow(HWND window) {
  void* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible), &object)) ||
      object == nullptr) {
    return std::nullopt;
  }
  return owning(static_cast<IAccessible*>(object));
}

Reading ReaderObject::read() const {
  IAccessible& object = *object_->get();
  const VARIANT id = childVariant(child_);
  Reading reading;
  BSTR text = nullptr;
  if (object.get_accName(id, &text) == S_OK) reading.name = taken(text);
  text = nullptr;
  if (object.get_accValue(id, &text) == S_OK) reading.value = taken(text);
  text = nullptr;
  if (object.get_accDescription(id, &text) == S_OK) reading.description = taken(text);
  text = nullptr;
  if (object.get_accDefaultAction(id, &text) == S_OK) reading.defaultAction = taken(text);
  VARIANT number{};
  if (object.get_accRole(id, &number) == S_OK && number.vt == VT_I4) reading.role = number.lVal;
  number = VARIANT{};
  if (object.get_accState(id, &number) == S_OK && number.vt == VT_I4) reading.state = number.lVal;
  LONG left = 0;
  LONG top = 0;
  LONG width = 0;
  LONG height = 0;
  if (object.accLocation(&left, &top, &width, &height, id) == S_OK) {
    reading.place = RECT{left, top, left + width, top + height};
  }
  return reading;
}

std::vector<ReaderObject> ReaderObject::children() const {
  std::vector<ReaderObject> found;
  LONG count = 0;
  if (isElement() || FAILED(object_->get()->get_accChildCount(&count)) || count <= 0) return found;
  std::vector<VARIANT> listed(static_cast<size_t>(count));
  LONG obtained = 0;
  if (FAILED(AccessibleChildren(object_->get(), 0, count, listed.data(), &obtained))) return found;
  for (LONG index = 0; index < obtained; ++index) {
    VARIANT& child = listed.at(static_cast<size_t>(index));
    if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
      void* object = nullptr;
      const HRESULT asked = child.pdispVal->QueryInterface(__uuidof(IAccessible), &object);
      child.pdispVal->Release();
      if (SUCCEEDED(asked)) found.push_back(owning(static_cast<IAccessible*>(object)));
    } else if (child.vt == VT_I4) {
      found.push_back(ReaderObject(object_, child.lVal));
    }
  }
  return found;
}

bool ReaderObject::doDefaultAction() const {
  return object_->get()->accDoDefaultAction(childVariant(child_)) == S_OK;
}

EventListener::EventListener(DWORD processId) {
  listening = this;
  hook_ = SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                          &EventListener::heard, processId, 0, WINEVENT_OUTOFCONTEXT);
}

EventListener::~EventListener() {
  if (hook_ != nullptr) UnhookWinEvent(hook_);
  listening = nullptr;
}

void CALLBACK EventListener::heard(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                                   DWORD, DWORD) {
  if (listening == nullptr || event == EVENT_OBJECT_LOCATIONCHANGE) return;
  listening->heard_.push_back(Heard{event, window, object, child});
}

std::vector<Heard> EventListener::listen(std::chrono::milliseconds span) {
  const auto end = std::chrono::steady_clock::now() + span;
  while (std::chrono::steady_clock::now() < end) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return std::exchange(heard_, {});
}

}  // namespace tintwell::e2e
