#pragma once

// A floor program's count of its timer's ticks, in memory it shares with the
// bench: counting costs the floor no system call, so the floor is only its
// tick.

#include <windows.h>

#include "win32/handles.h"

namespace tintwell::bench {

class TickCount {
 public:
  enum class Side { floor, bench };
  explicit TickCount(Side side);

  bool shared() const { return count_ != nullptr; }
  void add() { InterlockedIncrement(count_); }
  LONG now() const { return shared() ? InterlockedCompareExchange(count_, 0, 0) : 0; }

 private:
  using View = win32::UniqueHandle<void*, UnmapViewOfFile>;
  win32::KernelHandle mapping_;
  View view_;
  volatile LONG* count_ = nullptr;
};

}  // namespace tintwell::bench
