// The sampler end to end, as a user runs it: tintwell.exe under real input
// with SHIFT held for ten seconds over a patch that changes colour faster
// than the sampler ticks. Reports the ticks a second (each tick shows a new
// colour in the hex field), the process's CPU use, the time from start to the
// first painted fields, its private memory before and after, and the exe's size.

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "app_process.h"
#include "environment.h"
#include "held_input.h"
#include "input.h"
#include "process_watch.h"
#include "shell/layout.h"
#include "win32/handles.h"

namespace {

using namespace tintwell;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::seconds kSampling{10};
constexpr int kPatchLeft = 700;
constexpr int kPatchTop = 100;
constexpr int kPatchSize = 64;
constexpr double kBytesPerMegabyte = 1024.0 * 1024.0;
constexpr double kHundredNanosecondsPerSecond = 1e7;

double seconds(Clock::duration duration) {
  return std::chrono::duration<double>(duration).count();
}

double cpuSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / kHundredNanosecondsPerSecond;
}

double privateMegabytes(const e2e::ProcessWatch& watch) {
  return static_cast<double>(watch.privateBytes().value_or(0)) / kBytesPerMegabyte;
}

// The colour patch program beside this one; ended when this goes.
class CyclingPatch {
 public:
  CyclingPatch() {
    const std::filesystem::path program = e2e::windowsPath(TINTWELL_BUILT_PATCHES);
    std::wstring commandLine = L"\"" + program.wstring() + L"\" " + std::to_wstring(kPatchLeft) +
                               L" " + std::to_wstring(kPatchTop) + L" " +
                               std::to_wstring(kPatchSize) + L" cycle";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, &startup, &process_) != 0;
  }
  ~CyclingPatch() {
    if (!started_) return;
    TerminateProcess(process_.hProcess, 0);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  CyclingPatch(const CyclingPatch&) = delete;
  CyclingPatch& operator=(const CyclingPatch&) = delete;
  bool started() const { return started_; }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

}  // namespace

int main() {
  const std::filesystem::path program = e2e::programPath();
  CyclingPatch patch;
  if (!patch.started()) {
    std::fprintf(stderr, "cannot start the colour patch program\n");
    return 1;
  }

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

  DWORD processId = 0;
  GetWindowThreadProcessId(app.window(), &processId);
  const win32::KernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
  const e2e::ProcessWatch watch(app.window());
  std::this_thread::sleep_for(std::chrono::seconds(1));  // let start-up work settle
  const double memoryAtStart = privateMegabytes(watch);

  e2e::bringToFront(app.window());
  e2e::movePointer({kPatchLeft + kPatchSize / 2, kPatchTop + kPatchSize / 2});
  const double cpuBefore = cpuSeconds(process.get());
  const Clock::time_point begin = Clock::now();
  e2e::HeldKey shift(VK_SHIFT);
  std::string last = e2e::controlText(hexField);
  int changes = 0;
  while (Clock::now() - begin < kSampling) {
    const std::string now = e2e::controlText(hexField);
    if (now != last) {
      ++changes;
      last = now;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  shift.release();
  const double wall = seconds(Clock::now() - begin);
  const double cpu = cpuSeconds(process.get()) - cpuBefore;
  const double memoryAfter = privateMegabytes(watch);
  app.requestClose();
  app.waitForExit(e2e::kReactionLimit);

  std::printf("%-40s %10s\n", "measure", "value");
  std::printf("%-40s %10.1f\n", "sampler ticks per second (SHIFT held)", changes / wall);
  std::printf("%-40s %9.1f%%\n", "CPU use while sampling, one core", 100.0 * cpu / wall);
  std::printf("%-40s %8.2f ms\n", "CPU per tick", changes ? 1000.0 * cpu / changes : 0.0);
  std::printf("%-40s %8.2f s\n", "start to first painted fields", startSeconds);
  std::printf("%-40s %7.2f MB\n", "private memory after start", memoryAtStart);
  std::printf("%-40s %7.2f MB\n", "private memory after 10 s sampling", memoryAfter);
  std::printf("%-40s %7.2f MB\n", "exe size",
              static_cast<double>(std::filesystem::file_size(program)) / kBytesPerMegabyte);
  return 0;
}
