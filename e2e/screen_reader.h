#pragma once

// A screen reader's view of another process's window: its objects read
// through MSAA, and the events an out-of-context hook hears from it.

#include <oleacc.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "win32/handles.h"

namespace tintwell::e2e {

// COM for this thread, for as long as the test reads.
class ComApartment {
 public:
  ComApartment() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (started_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool started_;
};

// What a reader reads of one object or simple element; texts in UTF-8.
struct Reading {
  LONG role = 0;
  LONG state = 0;
  std::string name;
  std::string value;
  std::string description;
  std::string defaultAction;
  RECT place{};
};

// An object, or one simple element of it.
class ReaderObject {
 public:
  // The client-area object of a window, through WM_GETOBJECT as readers ask.
  static std::optional<ReaderObject> ofWindow(HWND window);

  Reading read() const;
  // Every child as AccessibleChildren lists it: objects and simple elements.
  std::vector<ReaderObject> children() const;
  bool isElement() const { return child_ != CHILDID_SELF; }
  bool doDefaultAction() const;

 private:
  using Shared = std::shared_ptr<win32::ComPointer<IAccessible>>;
  ReaderObject(Shared object, LONG child) : object_(std::move(object)), child_(child) {}
  static ReaderObject owning(IAccessible* object) {
    return ReaderObject(std::make_shared<win32::ComPointer<IAccessible>>(object), CHILDID_SELF);
  }

  std::shared_ptr<win32::ComPointer<IAccessible>> object_;
  LONG child_;
};

// An event as the hook heard it.
struct Heard {
  DWORD event;
  HWND window;
  LONG object;
  LONG child;
  bool operator==(const Heard&) const = default;
};

// Hears the name, value, description and state changes of one process, out
// of context, while this thread waits in listen(). One at a time.
class EventListener {
 public:
  explicit EventListener(DWORD processId);
  ~EventListener();
  EventListener(const EventListener&) = delete;
  EventListener& operator=(const EventListener&) = delete;

  bool hooked() const { return hook_ != nullptr; }
  // Pumps this thread's messages for that long; what was heard since the last call.
  std::vector<Heard> listen(std::chrono::milliseconds span);

 private:
  static void CALLBACK heard(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                             DWORD thread, DWORD time);
  HWINEVENTHOOK hook_ = nullptr;
  std::vector<Heard> heard_;
};

}  // namespace tintwell::e2e
