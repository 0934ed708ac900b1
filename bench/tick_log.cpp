#include "tick_log.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace tintwell::bench {

namespace {

constexpr double kMicrosecondsPerMs = 1000.0;
constexpr double kLateInterval = 1.5 * 33 * kMicrosecondsPerMs;

struct Tick {
  long long began = 0;
  long long ended = 0;
  std::string color;
};

long long microseconds(std::chrono::steady_clock::time_point time) {
  return std::chrono::duration_cast<std::chrono::microseconds>(time.time_since_epoch()).count();
}

}  // namespace

// The colour before the first counted tick is the one the tick before it
// left, so that the first one counts as new only if it brought a new colour.
TickSummary summarizeTicks(const std::filesystem::path& log,
                           std::chrono::steady_clock::time_point from,
                           std::chrono::steady_clock::time_point to) {
  std::ifstream file(log);
  std::vector<Tick> ticks;
  Tick tick;
  while (file >> tick.began >> tick.ended >> tick.color) ticks.push_back(tick);
  std::ranges::sort(ticks, {}, &Tick::began);

  TickSummary summary;
  const long long first = microseconds(from);
  const long long last = microseconds(to);
  std::string color;
  long long previousStart = 0;
  double handlerTotal = 0;
  double intervalTotal = 0;
  int intervals = 0;
  for (const Tick& each : ticks) {
    if (each.began >= last) break;
    if (each.began >= first) {
      ++summary.ticks;
      if (each.color != color) ++summary.newColors;
      handlerTotal += static_cast<double>(each.ended - each.began);
      if (previousStart >= first) {
        const auto interval = static_cast<double>(each.began - previousStart);
        intervalTotal += interval;
        ++intervals;
        summary.longestIntervalMs =
            std::max(summary.longestIntervalMs, interval / kMicrosecondsPerMs);
        if (interval > kLateInterval) ++summary.lateIntervals;
      }
    }
    color = each.color;
    previousStart = each.began;
  }
  if (summary.ticks > 0) summary.handlerMs = handlerTotal / summary.ticks / kMicrosecondsPerMs;
  if (intervals > 0) summary.intervalMs = intervalTotal / intervals / kMicrosecondsPerMs;
  return summary;
}

}  // namespace tintwell::bench
