#pragma once

namespace tintwell {

// Holds a guard flag false for a scope, then puts back what it held, also
// when the scope is left by an exception.
class GuardHeldFalse {
 public:
  explicit GuardHeldFalse(bool& guard) : guard_(guard), saved_(guard) { guard_ = false; }
  ~GuardHeldFalse() { guard_ = saved_; }
  GuardHeldFalse(const GuardHeldFalse&) = delete;
  GuardHeldFalse& operator=(const GuardHeldFalse&) = delete;

 private:
  bool& guard_;
  bool saved_;
};

}  // namespace tintwell
