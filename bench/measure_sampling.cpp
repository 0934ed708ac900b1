// The sampler end to end, as a user runs it: tintwell.exe under real input
// with SHIFT held for ten seconds over a patch that changes colour faster
// than the sampler ticks, then ten seconds over a patch of one colour.
// Reports the ticks a second (each tick shows a new colour in the hex field),
// the process's CPU use, the time from start to the first painted fields, its
// private memory before and after, and the exe's size; and each as a ratio to
// its floor measured in the same run (bench/floors.cpp): a bare program's
// screen read, and a bare window's start-up and memory. Last, the changing
// colour once more with the display at 200 %.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

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

namespace {

using namespace tintwell;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::seconds kSampling{10};
constexpr std::chrono::seconds kSettling{1};
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

struct WindowFloor {
  double startSeconds = 0;
  double memory = 0;
};

// A bare window: start to its first paint, then its private memory.
WindowFloor measureWindowFloor(const std::filesystem::path& floors) {
  const Clock::time_point launched = Clock::now();
  const ChildProgram bare(floors, L"window");
  WindowFloor floor;
  if (!bare.started()) return floor;
  e2e::waitUntil(
      [] {
        const HWND window = FindWindowW(kFloorClass, nullptr);
        return window != nullptr && e2e::controlText(window) == "painted";
      },
      e2e::kStartLimit);
  floor.startSeconds = seconds(Clock::now() - launched);
  std::this_thread::sleep_for(kSettling);
  floor.memory = privateMegabytes(FindWindowW(kFloorClass, nullptr));
  return floor;
}

struct ReadFloor {
  double cpuPerRead = 0;
  double readsPerSecond = 0;
  bool fine = false;
};

// A bare program's timer reading the pixel under the pointer: CPU a read.
ReadFloor measureReadFloor(const std::filesystem::path& floors) {
  const ChildProgram bare(floors, L"read");
  ReadFloor floor;
  if (!bare.started() || floorWindow() == nullptr) return floor;
  const bench::ReadCount reads(bench::ReadCount::Side::bench);
  if (!reads.shared()) return floor;
  const bench::ProcessCpu cpu(bare.process(), floors);
  std::this_thread::sleep_for(kSettling);
  const LONG readsBefore = reads.now();
  const double cpuBefore = cpu.seconds();
  const Clock::time_point begin = Clock::now();
  std::this_thread::sleep_for(kSampling);
  const double count = reads.now() - readsBefore;
  const double used = cpu.seconds() - cpuBefore;
  floor.readsPerSecond = count / seconds(Clock::now() - begin);
  floor.cpuPerRead = count > 0 ? used / count : 0;
  floor.fine = cpu.fine();
  return floor;
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

// The program started afresh with the display at 200 %, SHIFT held over the
// changing colour: CPU a tick.
double cpuPerTickAtDoubleScale(const std::filesystem::path& program, POINT overCycling,
                               double lookingPerSecond) {
  const e2e::UserValueGuard dpi(e2e::kDesktopKey, e2e::kLogPixelsValue,
                                e2e::dwordValue(kDoubleScaleDpi));
  e2e::TintwellProcess app;
  if (!dpi.written() || !app.start(program).empty()) return 0;
  const HWND hexField = app.control(layout::txtInpId(kHexField));
  e2e::waitUntil([&] { return e2e::controlText(hexField) == "ff0000"; }, e2e::kStartLimit);
  keepClearOfThePatches(app.window());
  const win32::KernelHandle process = processOf(app.window());
  const bench::ProcessCpu cpu(process.get(), program);
  std::this_thread::sleep_for(kSettling);
  e2e::bringToFront(app.window());
  const Sampling changing = holdShiftOver(cpu, hexField, overCycling, true);
  app.requestClose();
  app.waitForExit(e2e::kReactionLimit);
  return cpuPerChange(changing, lookingPerSecond);
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

  const WindowFloor windowFloor = measureWindowFloor(floors);
  e2e::movePointer(overStill);
  const ReadFloor readFloor = measureReadFloor(floors);

  e2e::TintwellProcess app;
  const Clock::time_point launched = Clock::now();
  const std::string failure = app.start(program);
  if (!failure.empty()) {
    std::fprintf(stderr, "cannot start %s: %s\n", program.string().c_str(), failure.c_str());
    return 1;
  }
  const HWND hexField = app.control(layout::txtInpId(kHexField));
  e2e::waitUntil([&] { return e2e::controlText(hexField) == "ff0000"; }, e2e::kStartLimit);
  const double startSeconds = seconds(Clock::now() - launched);
  keepClearOfThePatches(app.window());

  const win32::KernelHandle process = processOf(app.window());
  const bench::ProcessCpu cpu(process.get(), program);
  std::this_thread::sleep_for(kSettling);
  const double memoryAtStart = privateMegabytes(app.window());

  e2e::bringToFront(app.window());
  const double lookingPerSecond = lookingCpuPerSecond(cpu, hexField);
  const Sampling changing = holdShiftOver(cpu, hexField, overCycling, true);
  // Over one colour the ticks show nothing new; they run at the timer's pace,
  // which the bare reader's count gives.
  const Sampling unchanged = holdShiftOver(cpu, hexField, overStill, false);
  const double memoryAfter = privateMegabytes(app.window());
  app.requestClose();
  app.waitForExit(e2e::kReactionLimit);

  const double cpuPerDoubleScaleTick =
      cpuPerTickAtDoubleScale(program, overCycling, lookingPerSecond);

  const double ticksPerSecond = changing.changes / changing.wall;
  const double cpuPerNewTick = cpuPerChange(changing, lookingPerSecond);
  const double unchangedTicks = readFloor.readsPerSecond * unchanged.wall;
  const double cpuPerSameTick = unchangedTicks > 0 ? unchanged.cpu / unchangedTicks : 0.0;
  const double floorMs = 1000.0 * readFloor.cpuPerRead;

  std::printf("CPU counted %s\n", cpu.fine() && readFloor.fine
                                      ? "to the nanosecond by the host's scheduler"
                                      : "in the system's own steps");
  std::printf("%-40s %13s %10s  %s\n", "measure", "value", "/ floor", "target");
  std::printf("%-40s %9.1f\n", "sampler ticks per second (SHIFT held)", ticksPerSecond);
  std::printf("%-40s %8.1f%%\n", "CPU use while sampling, one core",
              100.0 * changing.cpu / changing.wall);
  printRow("CPU per tick, a new colour", 1000.0 * cpuPerNewTick, "ms", floorMs, "at most 5x");
  printRow("CPU per tick, the same colour", 1000.0 * cpuPerSameTick, "ms", floorMs, "at most 1.3x");
  printRow("floor: a bare 1 x 1 screen read", floorMs, "ms", floorMs, "");
  printRow("CPU per tick, a new colour, at 200 %", 1000.0 * cpuPerDoubleScaleTick, "ms",
           1000.0 * cpuPerNewTick, "at most 1.5x the tick at 100 %");
  printRow("start to first painted fields", startSeconds, "s", windowFloor.startSeconds,
           "at most 1.3x");
  printRow("floor: a bare window's first paint", windowFloor.startSeconds, "s",
           windowFloor.startSeconds, "");
  printRow("private memory after start", memoryAtStart, "MB", windowFloor.memory, "at most 1.5x");
  printRow("private memory after 20 s sampling", memoryAfter, "MB", windowFloor.memory, "");
  printRow("floor: a bare window's private memory", windowFloor.memory, "MB", windowFloor.memory,
           "");
  std::printf("%-40s %9.2f MB\n", "exe size",
              static_cast<double>(std::filesystem::file_size(program)) / kBytesPerMegabyte);
  return 0;
}
