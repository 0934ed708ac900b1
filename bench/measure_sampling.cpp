// The sampler end to end, as a user runs it: tintwell.exe under real input
// with SHIFT held for ten seconds over a patch that changes colour faster
// than the sampler ticks, then ten seconds over a patch of one colour, then
// the changing colour once more with the display at 200 %. A bare program
// reads the pixel under the pointer alone before, between and after the two
// phases (bench/floors.cpp), and each tick's CPU is divided by the bare reads
// around it, taken under nearly the same load. Also the start
// to the first painted window, median of five, against a bare window's; the
// private memory against a bare window's, without and with the common
// controls; and the exe's size.

#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "app_process.h"
#include "environment.h"
#include "held_input.h"
#include "input.h"
#include "process_cpu.h"
#include "process_watch.h"
#include "read_count.h"
#include "registry.h"
#include "shell/layout.h"
#include "win32/handles.h"
#include "win32/text.h"

namespace {

using namespace tintwell;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::seconds kSampling{10};
constexpr std::chrono::seconds kSettling{1};
constexpr int kStarts = 5;
constexpr std::chrono::milliseconds kStartPoll{5};
constexpr int kPatchLeft = 1000;  // right of the window, even at 200 %
constexpr int kPatchTop = 100;
constexpr int kPatchSize = 64;
constexpr int kStillPatchLeft = kPatchLeft + 2 * kPatchSize;
constexpr const wchar_t* kStillPatchColor = L"3c6e91";
constexpr const wchar_t* kFloorClass = L"TintwellFloor";
constexpr DWORD kDoubleScaleDpi = 192;
constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;
// Often enough to see every tick's colour, which stays about 33 ms; each look
// costs the program a message, which is measured on its own and taken off.
constexpr std::chrono::milliseconds kLookEvery{5};

double seconds(Clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

double privateMegabytes(HWND window) {
  const e2e::ProcessWatch watch(window);
  return static_cast<double>(watch.privateBytes().value_or(0)) / kBytesPerMegabyte;
}

// A helper program beside this one; ended when this goes.
class ChildProgram {
 public:
  ChildProgram(const std::filesystem::path& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION created{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &created)) {
      return;
    }
    process_ = win32::KernelHandle(created.hProcess);
    thread_ = win32::KernelHandle(created.hThread);
  }
  ~ChildProgram() {
    if (!process_) return;
    TerminateProcess(process_.get(), 0);
    WaitForSingleObject(process_.get(), INFINITE);
  }
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;
  bool started() const { return static_cast<bool>(process_); }
  HANDLE process() const { return process_.get(); }

 private:
  win32::KernelHandle process_;
  win32::KernelHandle thread_;
};

std::wstring patchArguments(int left, const std::wstring& color) {
  return std::to_wstring(left) + L" " + std::to_wstring(kPatchTop) + L" " +
         std::to_wstring(kPatchSize) + L" " + color;
}

// The floor program's window, once it is there.
HWND floorWindow() {
  HWND window = nullptr;
  e2e::waitUntil([&] { return (window = FindWindowW(kFloorClass, nullptr)) != nullptr; },
                 e2e::kStartLimit);
  return window;
}

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

// A bare window: its private memory once it has painted.
double windowFloorMemory(const std::filesystem::path& floors, const wchar_t* mode) {
  const ChildProgram bare(floors, mode);
  if (!bare.started() || secondsUntil(Clock::now(), floorPainted) == 0) return 0;
  std::this_thread::sleep_for(kSettling);
  return privateMegabytes(FindWindowW(kFloorClass, nullptr));
}

// Both started the same way, and ended as soon as they have painted.
double startSeconds(const std::filesystem::path& program, const wchar_t* arguments,
                    bool (*painted)()) {
  const Clock::time_point launched = Clock::now();
  const ChildProgram started(program, arguments);
  return started.started() ? secondsUntil(launched, painted) : 0;
}

struct StartTimes {
  double tintwell = 0;
  double window = 0;
  double controls = 0;
};

// One start varies with the machine's load more than the programs differ:
// after one start of each to warm up, they start in turn, and the medians
// are compared.
StartTimes medianStartSeconds(const std::filesystem::path& program,
                              const std::filesystem::path& floors) {
  std::array<double, kStarts> tintwell{};
  std::array<double, kStarts> window{};
  std::array<double, kStarts> controls{};
  startSeconds(floors, L"controls", floorPainted);
  startSeconds(program, L"", tintwellPainted);
  for (size_t start = 0; start < kStarts; ++start) {
    window[start] = startSeconds(floors, L"window", floorPainted);
    controls[start] = startSeconds(floors, L"controls", floorPainted);
    tintwell[start] = startSeconds(program, L"", tintwellPainted);
  }
  const auto median = [](std::array<double, kStarts>& times) {
    std::ranges::nth_element(times, times.begin() + kStarts / 2);
    return times[kStarts / 2];
  };
  return StartTimes{median(tintwell), median(window), median(controls)};
}

struct ReaderTotals {
  double reads = 0;
  double cpu = 0;
};

// A bare program whose timer reads the pixel under the pointer.
class BareReader {
 public:
  explicit BareReader(const std::filesystem::path& floors) : program_(floors, L"read") {
    if (!program_.started() || floorWindow() == nullptr) return;
    reads_.emplace(bench::ReadCount::Side::bench);
    cpu_.emplace(program_.process(), floors);
  }
  bool running() const { return reads_ && reads_->shared(); }
  bool fine() const { return cpu_ && cpu_->fine(); }
  ReaderTotals now() const {
    return running() ? ReaderTotals{static_cast<double>(reads_->now()), cpu_->seconds()}
                     : ReaderTotals{};
  }

 private:
  ChildProgram program_;
  std::optional<bench::ReadCount> reads_;
  std::optional<bench::ProcessCpu> cpu_;
};

struct ReadFloor {
  double cpuPerRead = 0;
  double readsPerSecond = 0;
  bool fine = false;
};

// The bare reader alone for the sampling time, between Tintwell's phases
// rather than beside them, where each would slow the other.
ReadFloor measureReadFloor(const std::filesystem::path& floors) {
  const BareReader reader(floors);
  std::this_thread::sleep_for(kSettling);
  const ReaderTotals before = reader.now();
  const Clock::time_point begin = Clock::now();
  std::this_thread::sleep_for(kSampling);
  const ReaderTotals after = reader.now();
  const double reads = after.reads - before.reads;
  return ReadFloor{reads > 0 ? (after.cpu - before.cpu) / reads : 0,
                   reads / seconds(Clock::now() - begin), reader.fine()};
}

// The floor of a phase: the mean of the bare reads just before and after.
ReadFloor around(const ReadFloor& before, const ReadFloor& after) {
  return ReadFloor{(before.cpuPerRead + after.cpuPerRead) / 2,
                   (before.readsPerSecond + after.readsPerSecond) / 2, before.fine && after.fine};
}

struct Sampling {
  double wall = 0;
  double cpu = 0;
  int changes = 0;  // new colours seen in the hex field
};

// SHIFT held over a screen point for the sampling time; looking at the hex
// field counts the colours shown, or not looking keeps the figure clean.
Sampling holdShiftOver(const bench::ProcessCpu& cpu, HWND hexField, POINT point, bool look) {
  e2e::movePointer(point);
  Sampling sampling;
  const double cpuBefore = cpu.seconds();
  const Clock::time_point begin = Clock::now();
  e2e::HeldKey shift(VK_SHIFT);
  std::string last = e2e::controlText(hexField);
  while (Clock::now() - begin < kSampling) {
    if (look) {
      const std::string now = e2e::controlText(hexField);
      if (now != last) {
        ++sampling.changes;
        last = now;
      }
    }
    std::this_thread::sleep_for(kLookEvery);
  }
  shift.release();
  sampling.wall = seconds(Clock::now() - begin);
  sampling.cpu = cpu.seconds() - cpuBefore;
  return sampling;
}

// What looking at the hex field as above costs the program a second.
double lookingCpuPerSecond(const bench::ProcessCpu& cpu, HWND hexField) {
  const double cpuBefore = cpu.seconds();
  const Clock::time_point begin = Clock::now();
  while (Clock::now() - begin < kSampling) {
    e2e::controlText(hexField);
    std::this_thread::sleep_for(kLookEvery);
  }
  return (cpu.seconds() - cpuBefore) / seconds(Clock::now() - begin);
}

// The window in the screen's top-left corner, where it covers no patch.
void keepClearOfThePatches(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The process behind a window, open for its CPU time.
win32::KernelHandle processOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return win32::KernelHandle(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
}

// CPU a tick that showed a new colour, the looking at the hex field taken off.
double cpuPerChange(const Sampling& sampling, double lookingPerSecond) {
  return sampling.changes ? (sampling.cpu - lookingPerSecond * sampling.wall) / sampling.changes
                          : 0.0;
}

// Tintwell started, its fields filled, moved clear of the patches and let
// settle; closed at the end as a user closes it.
class MeasuredTintwell {
 public:
  explicit MeasuredTintwell(const std::filesystem::path& program) : failure_(app_.start(program)) {
    if (!failure_.empty()) return;
    hexField_ = app_.control(layout::txtInpId(kHexField));
    e2e::waitUntil([&] { return e2e::controlText(hexField_) == "ff0000"; }, e2e::kStartLimit);
    keepClearOfThePatches(app_.window());
    process_ = processOf(app_.window());
    cpu_.emplace(process_.get(), program);
    std::this_thread::sleep_for(kSettling);
  }
  ~MeasuredTintwell() {
    if (!failure_.empty()) return;
    app_.requestClose();
    app_.waitForExit(e2e::kReactionLimit);
  }
  MeasuredTintwell(const MeasuredTintwell&) = delete;
  MeasuredTintwell& operator=(const MeasuredTintwell&) = delete;

  const std::string& failure() const { return failure_; }
  HWND window() const { return app_.window(); }
  HWND hexField() const { return hexField_; }
  const bench::ProcessCpu& cpu() const { return *cpu_; }

 private:
  e2e::TintwellProcess app_;
  std::string failure_;
  HWND hexField_ = nullptr;
  win32::KernelHandle process_;
  std::optional<bench::ProcessCpu> cpu_;
};

// The program started afresh with the display at 200 %, SHIFT held over the
// changing colour: CPU a tick.
double cpuPerTickAtDoubleScale(const std::filesystem::path& program, POINT overCycling,
                               double lookingPerSecond) {
  const e2e::UserValueGuard dpi(e2e::kDesktopKey, e2e::kLogPixelsValue,
                                e2e::dwordValue(kDoubleScaleDpi));
  if (!dpi.written()) return 0;
  const MeasuredTintwell app(program);
  if (!app.failure().empty()) return 0;
  e2e::bringToFront(app.window());
  return cpuPerChange(holdShiftOver(app.cpu(), app.hexField(), overCycling, true),
                      lookingPerSecond);
}

// A floor the measurement could not resolve gives no ratio: "-".
void printRow(const char* measure, double value, const char* unit, double floor,
              const char* target) {
  std::printf("%-40s %9.3f %-3s", measure, value, unit);
  if (floor > 0) {
    std::printf(" %9.2fx  %s\n", value / floor, target);
  } else {
    std::printf(" %10s  %s\n", "-", target);
  }
}

}  // namespace

int main() {
  const std::filesystem::path program = e2e::programPath();
  const std::filesystem::path floors = e2e::windowsPath(TINTWELL_BUILT_FLOORS);
  const std::filesystem::path patches = e2e::windowsPath(TINTWELL_BUILT_PATCHES);
  const ChildProgram cycling(patches, patchArguments(kPatchLeft, L"cycle"));
  const ChildProgram still(patches, patchArguments(kStillPatchLeft, kStillPatchColor));
  if (!cycling.started() || !still.started()) {
    std::fprintf(stderr, "cannot start the colour patch program\n");
    return 1;
  }
  const POINT overCycling{kPatchLeft + kPatchSize / 2, kPatchTop + kPatchSize / 2};
  const POINT overStill{kStillPatchLeft + kPatchSize / 2, kPatchTop + kPatchSize / 2};

  const StartTimes starts = medianStartSeconds(program, floors);
  const double windowMemory = windowFloorMemory(floors, L"window");
  const double controlsMemory = windowFloorMemory(floors, L"controls");

  std::optional<MeasuredTintwell> app(std::in_place, program);
  if (!app->failure().empty()) {
    std::fprintf(stderr, "cannot start %s: %s\n", program.string().c_str(), app->failure().c_str());
    return 1;
  }
  const double memoryAtStart = privateMegabytes(app->window());

  e2e::bringToFront(app->window());
  const double lookingPerSecond = lookingCpuPerSecond(app->cpu(), app->hexField());
  e2e::movePointer(overStill);
  const ReadFloor floorFirst = measureReadFloor(floors);
  // The bare reader's window came and went: the keys must reach Tintwell.
  e2e::bringToFront(app->window());
  const Sampling changing = holdShiftOver(app->cpu(), app->hexField(), overCycling, true);
  const ReadFloor floorBetween = measureReadFloor(floors);
  // Over one colour the ticks show nothing new; they run at the timer's pace,
  // which the bare reader's count gives.
  e2e::bringToFront(app->window());
  const Sampling unchanged = holdShiftOver(app->cpu(), app->hexField(), overStill, false);
  const ReadFloor floorLast = measureReadFloor(floors);
  const double memoryAfter = privateMegabytes(app->window());
  const bool countedFinely = app->cpu().fine();
  app.reset();

  const double cpuPerDoubleScaleTick =
      cpuPerTickAtDoubleScale(program, overCycling, lookingPerSecond);

  const double ticksPerSecond = changing.changes / changing.wall;
  const double cpuPerNewTick = cpuPerChange(changing, lookingPerSecond);
  const ReadFloor newFloor = around(floorFirst, floorBetween);
  const ReadFloor sameFloor = around(floorBetween, floorLast);
  const double unchangedTicks = sameFloor.readsPerSecond * unchanged.wall;
  const double cpuPerSameTick = unchangedTicks > 0 ? unchanged.cpu / unchangedTicks : 0.0;
  const double newFloorMs = 1000.0 * newFloor.cpuPerRead;
  const double sameFloorMs = 1000.0 * sameFloor.cpuPerRead;

  std::printf("CPU counted %s; each tick's floor: the bare reads just before and after\n",
              countedFinely && newFloor.fine && sameFloor.fine
                  ? "to the nanosecond by the host's scheduler"
                  : "in the system's own steps");
  std::printf("%-40s %13s %10s  %s\n", "measure", "value", "/ floor", "target");
  std::printf("%-40s %9.1f\n", "sampler ticks per second (SHIFT held)", ticksPerSecond);
  std::printf("%-40s %8.1f%%\n", "CPU use while sampling, one core",
              100.0 * changing.cpu / changing.wall);
  printRow("CPU per tick, a new colour", 1000.0 * cpuPerNewTick, "ms", newFloorMs, "at most 5x");
  printRow("floor: a bare 1 x 1 screen read", newFloorMs, "ms", newFloorMs, "");
  printRow("CPU per tick, the same colour", 1000.0 * cpuPerSameTick, "ms", sameFloorMs,
           "at most 1.3x");
  printRow("floor: a bare 1 x 1 screen read", sameFloorMs, "ms", sameFloorMs, "");
  printRow("CPU per tick, a new colour, at 200 %", 1000.0 * cpuPerDoubleScaleTick, "ms",
           1000.0 * cpuPerNewTick, "at most 1.5x the tick at 100 %");
  printRow("start to first painted fields (median)", starts.tintwell, "s", starts.window,
           "at most 1.3x");
  printRow("  the same, to the floor with controls", starts.tintwell, "s", starts.controls,
           "at most 1.3x");
  printRow("floor: a bare window's first paint", starts.window, "s", starts.window, "");
  printRow("floor: the same with common controls", starts.controls, "s", starts.window, "");
  printRow("private memory after start", memoryAtStart, "MB", windowMemory, "at most 1.5x");
  printRow("  the same, to the floor with controls", memoryAtStart, "MB", controlsMemory,
           "at most 1.5x");
  printRow("private memory after 20 s sampling", memoryAfter, "MB", windowMemory, "");
  printRow("floor: a bare window's private memory", windowMemory, "MB", windowMemory, "");
  printRow("floor: the same with common controls", controlsMemory, "MB", windowMemory, "");
  std::printf("%-40s %9.2f MB\n", "exe size",
              static_cast<double>(std::filesystem::file_size(program)) / kBytesPerMegabyte);
  return 0;
}
