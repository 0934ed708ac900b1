#include "floor_programs.h"

#include <algorithm>
#include <array>
#include <functional>
#include <thread>

#include "app_process.h"
#include "environment.h"
#include "process_watch.h"
#include "shell/layout.h"
#include "win32/text.h"

namespace tintwell::bench {

namespace {

constexpr int kStarts = 9;
constexpr std::chrono::milliseconds kStartPoll{5};
constexpr const wchar_t* kFloorClass = L"TintwellFloor";

// Seconds from a launch until the condition holds, looked at often (a start
// takes a few tenths of a second) but not so often as to slow it. 0 if it
// never does.
double secondsUntil(Clock::time_point launched, const std::function<bool()>& condition) {
  while (!condition()) {
    if (Clock::now() - launched > e2e::kStartLimit) return 0;
    std::this_thread::sleep_for(kStartPoll);
  }
  return seconds(Clock::now() - launched);
}

// A window of the class is shown and has answered a message: it is taken
// only once the painting that ShowWindow and UpdateWindow start is done.
bool paintedWindowOf(const wchar_t* windowClass) {
  const HWND window = FindWindowW(windowClass, nullptr);
  return window != nullptr && IsWindowVisible(window) && e2e::answers(window);
}

bool floorPainted() {
  return paintedWindowOf(kFloorClass);
}

bool tintwellPainted() {
  static const std::wstring windowClass = win32::toWide(layout::kWindowClassName);
  return paintedWindowOf(windowClass.c_str());
}

// Both started the same way, and ended as soon as they have painted.
double startSeconds(const std::filesystem::path& program, const wchar_t* arguments,
                    bool (*painted)()) {
  const Clock::time_point launched = Clock::now();
  e2e::ChildProcess started;
  return startChild(started, program, arguments) ? secondsUntil(launched, painted) : 0;
}

}  // namespace

double seconds(Clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

double privateMegabytes(HWND window) {
  const e2e::ProcessWatch watch(window);
  return static_cast<double>(watch.privateBytes().value_or(0)) / kBytesPerMegabyte;
}

// A helper program beside this one, ended when this goes; false if it could
// not start.
bool startChild(e2e::ChildProcess& child, const std::filesystem::path& program,
                const std::wstring& arguments) {
  return child.start(e2e::commandLineOf(program, arguments)).empty();
}

// The bare window with the child windows: its private memory once it has painted.
double childrenFloorMemory(const std::filesystem::path& floors) {
  e2e::ChildProcess bare;
  if (!startChild(bare, floors, L"children") || secondsUntil(Clock::now(), floorPainted) == 0) {
    return 0;
  }
  std::this_thread::sleep_for(kSettling);
  return privateMegabytes(FindWindowW(kFloorClass, nullptr));
}

// One start varies with the machine's load more than the programs differ:
// after one start of each to warm up, they start in turn, and the medians
// are compared.
StartTimes medianStartSeconds(const std::filesystem::path& program,
                              const std::filesystem::path& floors) {
  std::array<double, kStarts> tintwell{};
  std::array<double, kStarts> floor{};
  startSeconds(floors, L"children", floorPainted);
  startSeconds(program, L"", tintwellPainted);
  for (size_t start = 0; start < kStarts; ++start) {
    floor[start] = startSeconds(floors, L"children", floorPainted);
    tintwell[start] = startSeconds(program, L"", tintwellPainted);
  }
  const auto median = [](std::array<double, kStarts>& times) {
    std::ranges::nth_element(times, times.begin() + kStarts / 2);
    return times[kStarts / 2];
  };
  return StartTimes{median(tintwell), median(floor)};
}

TickingFloor::TickingFloor(const std::filesystem::path& floors, const wchar_t* mode) {
  if (!startChild(program_, floors, mode) || secondsUntil(Clock::now(), floorPainted) == 0) {
    return;
  }
  ticks_.emplace(TickCount::Side::bench);
  cpu_.emplace(program_.handle(), floors);
}

}  // namespace tintwell::bench
