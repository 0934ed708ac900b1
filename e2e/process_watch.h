#pragma once

// The program's process as a soak watches it from outside: the memory it
// holds, whether its window still answers, how it ended.

#include <windows.h>

#include <cstdint>
#include <optional>

#include "win32/handles.h"

namespace tintwell::e2e {

class ProcessWatch {
 public:
  // Watches the process that owns the window.
  explicit ProcessWatch(HWND window);

  bool watching() const { return static_cast<bool>(process_); }
  // Memory the process holds for itself alone.
  std::optional<uint64_t> privateBytes() const;
  // The exit code once the process has ended.
  std::optional<DWORD> exitCode() const;

 private:
  win32::KernelHandle process_;
};

// The window's thread took a message and returned within the reaction limit.
bool answers(HWND window);

}  // namespace tintwell::e2e
