#pragma once

// The sampler's ticks as Tintwell wrote them down (TINTWELL_TICK_TIMES):
// each tick's handler from start to end, in microseconds of the steady
// clock, which this process reads too, and the colour it left.

#include <chrono>
#include <filesystem>

namespace tintwell::bench {

struct TickSummary {
  int ticks = 0;
  int newColors = 0;      // ticks that left another colour than the one before
  double handlerMs = 0;   // mean, from WM_TIMER to the end of its handler
  double intervalMs = 0;  // mean, from one tick's start to the next one's
  double longestIntervalMs = 0;
  int lateIntervals = 0;  // longer than one and a half timer periods
};

// The ticks that began within [from, to).
TickSummary summarizeTicks(const std::filesystem::path& log,
                           std::chrono::steady_clock::time_point from,
                           std::chrono::steady_clock::time_point to);

}  // namespace tintwell::bench
