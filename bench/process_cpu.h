#pragma once

// CPU time a process has used. Under Wine the system's own accounting counts
// in 10 ms steps, too coarse for a screen read of a few hundredths of a
// millisecond, so there the host's scheduler is asked, which counts in
// nanoseconds.

#include <windows.h>

#include <filesystem>

namespace tintwell::bench {

class ProcessCpu {
 public:
  // The process started from the program; its host process is found by the
  // program's path where there is a host to ask.
  ProcessCpu(HANDLE process, const std::filesystem::path& program);

  double seconds() const;
  // Counted to the nanosecond (false: in the system's coarse steps).
  bool fine() const { return hostProcessId_ != 0; }

 private:
  HANDLE process_;
  unsigned long hostProcessId_ = 0;
};

// CPU time of a process of the host itself (the X server, the Wine server),
// by its host process ID; 0 where there is no host to ask.
double hostProcessSeconds(unsigned long hostProcessId);

}  // namespace tintwell::bench
