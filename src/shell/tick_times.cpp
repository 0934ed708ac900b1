#include "shell/tick_times.h"

#include <chrono>

namespace tintwell {

namespace {

// The clock a benchmark in another process reads too.
int64_t microsecondsNow() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

TickTimes::TickTimes(const std::string& path) {
  if (!path.empty()) file_.reset(std::fopen(path.c_str(), "w"));
}

TickTimes::Tick::Tick(TickTimes& times, const int32_t& color) : times_(times), color_(color) {
  if (times_.file_) began_ = microsecondsNow();
}

// Written out as the buffer fills and when the program ends, not at each
// tick: the benchmark reads the file once the program has closed, and a
// write at every tick would add to what it measures.
TickTimes::Tick::~Tick() {
  std::FILE* file = times_.file_.get();
  if (file == nullptr) return;
  std::fprintf(file, "%lld %lld %06x\n", static_cast<long long>(began_),
               static_cast<long long>(microsecondsNow()), static_cast<unsigned>(color_));
}

}  // namespace tintwell
