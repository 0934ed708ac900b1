#pragma once

// A floor program's count of its timer's ticks, in memory it shares with the
// bench: counting costs the floor no system call, so the floor is only its
// tick. The bench may hold the ticks back, while Tintwell takes its turn.

#include <windows.h>

#include "win32/handles.h"

namespace tintwell::bench {

class TickCount {
 public:
  enum class Side { floor, bench };
  explicit TickCount(Side side);

  bool shared() const { return shared_ != nullptr; }
  void add() { InterlockedIncrement(&shared_->count); }
  LONG now() const { return shared() ? InterlockedCompareExchange(&shared_->count, 0, 0) : 0; }
  void setHeld(bool held) {
    if (shared()) InterlockedExchange(&shared_->held, held ? 1 : 0);
  }
  bool held() const { return shared() && InterlockedCompareExchange(&shared_->held, 0, 0) != 0; }

 private:
  struct Shared {
    LONG count;
    LONG held;
  };
  using View = win32::UniqueHandle<void*, UnmapViewOfFile>;
  win32::KernelHandle mapping_;
  View view_;
  volatile Shared* shared_ = nullptr;
};

}  // namespace tintwell::bench
