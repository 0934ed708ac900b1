#pragma once

// Starting the programs the bench compares, Tintwell and the floors
// (bench/floors.cpp): the time each takes to its first paint, their memory,
// and the floors' ticks, counted in memory they share with the bench.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "child_process.h"
#include "process_cpu.h"
#include "tick_count.h"

namespace tintwell::bench {

using Clock = std::chrono::steady_clock;

inline constexpr std::chrono::seconds kSampling{10};
inline constexpr std::chrono::seconds kSettling{1};
inline constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;

double seconds(Clock::duration duration);
double privateMegabytes(HWND window);

// A helper program beside this one, ended when this goes; false if it could
// not start.
bool startChild(e2e::ChildProcess& child, const std::filesystem::path& program,
                const std::wstring& arguments);

struct StartTimes {
  double tintwell = 0;
  double floor = 0;
};

// Start to the first painted window, median of nine, Tintwell's and the
// bare window's with the 18 child windows.
StartTimes medianStartSeconds(const std::filesystem::path& program,
                              const std::filesystem::path& floors);
// The bare window with the child windows: its private memory once it has painted.
double childrenFloorMemory(const std::filesystem::path& floors);

// A floor program with a timer (bench/floors.cpp), its ticks counted.
class TickingFloor {
 public:
  TickingFloor(const std::filesystem::path& floors, const wchar_t* mode);
  bool running() const { return ticks_ && ticks_->shared(); }
  double ticks() const { return running() ? static_cast<double>(ticks_->now()) : 0; }
  double cpuSeconds() const { return cpu_ ? cpu_->seconds() : 0; }
  void setHeld(bool held) {
    if (ticks_) ticks_->setHeld(held);
  }

 private:
  e2e::ChildProcess program_;
  std::optional<TickCount> ticks_;
  std::optional<ProcessCpu> cpu_;
};

}  // namespace tintwell::bench
