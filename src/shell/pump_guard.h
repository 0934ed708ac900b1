#pragma once

// Keeps the event pump one level deep. Input may run inside a handler's
// refresh, but when events arrive faster than they are handled, a pump inside
// every handler would nest them without end and overflow the stack; the pump
// further up takes the rest in turn.

namespace tintwell {

class PumpGuard {
 public:
  explicit PumpGuard(bool& pumping) : pumping_(pumping), entered_(!pumping) { pumping_ = true; }
  ~PumpGuard() {
    if (entered_) pumping_ = false;
  }
  PumpGuard(const PumpGuard&) = delete;
  PumpGuard& operator=(const PumpGuard&) = delete;

  // False when a pump is already running further up the stack.
  bool entered() const { return entered_; }

 private:
  bool& pumping_;
  bool entered_;
};

}  // namespace tintwell
