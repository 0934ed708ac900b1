#pragma once

// Keys and the left button held down across several steps of a test, and
// always let go again: a key left down would follow the next tests around.

#include <windows.h>

namespace tintwell::e2e {

class HeldKey {
 public:
  explicit HeldKey(WORD virtualKey);
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;
  ~HeldKey() { release(); }

  // The key-up; later calls send nothing.
  void release();

 private:
  WORD virtualKey_;
  bool down_ = true;
};

// The left button pressed where the pointer is, until released.
class HeldButton {
 public:
  HeldButton();
  HeldButton(const HeldButton&) = delete;
  HeldButton& operator=(const HeldButton&) = delete;
  ~HeldButton() { release(); }

  void release();

 private:
  bool down_ = true;
};

}  // namespace tintwell::e2e
