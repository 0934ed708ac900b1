#include "process_watch.h"

#include <psapi.h>

#include "child_process.h"
#include "environment.h"

namespace tintwell::e2e {

ProcessWatch::ProcessWatch(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != 0) {
    process_ = win32::KernelHandle(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE, processId));
  }
}

// Wine leaves PrivateUsage at 0 for another process and fills PagefileUsage
// from its anonymous resident memory; Windows fills both with the commit.
std::optional<uint64_t> ProcessWatch::privateBytes() const {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!process_ ||
      !GetProcessMemoryInfo(process_.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters)) {
    return std::nullopt;
  }
  const uint64_t bytes =
      counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
  if (bytes == 0) return std::nullopt;
  return bytes;
}

std::optional<DWORD> ProcessWatch::exitCode() const {
  return exitCodeOf(process_.get());
}

bool answers(HWND window) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(kReactionLimit.count()), &ignored) != 0;
}

}  // namespace tintwell::e2e
