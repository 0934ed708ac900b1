#pragma once

// The bare reader's count of its reads, in memory it shares with the bench:
// reporting a read costs the reader no system call, so the floor is only the
// read.

#include <windows.h>

#include "win32/handles.h"

namespace tintwell::bench {

class ReadCount {
 public:
  enum class Side { reader, bench };
  explicit ReadCount(Side side);

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
