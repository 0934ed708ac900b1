#pragma once

// The sampler's ticks with their times, one line each, written to a file a
// benchmark names: when a tick's handler began and ended, in microseconds of
// the steady clock, and the colour it left; complete once the program has
// ended. Off unless a file is named; off, a tick costs one test.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace tintwell {

class TickTimes {
 public:
  explicit TickTimes(const std::string& path);  // an empty path: off

  // One tick, from the start of its handler to its end.
  class Tick {
   public:
    Tick(TickTimes& times, const int32_t& color);
    ~Tick();
    Tick(const Tick&) = delete;
    Tick& operator=(const Tick&) = delete;

   private:
    TickTimes& times_;
    const int32_t& color_;
    int64_t began_ = 0;
  };

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, FileCloser> file_;
};

}  // namespace tintwell
