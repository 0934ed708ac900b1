// The sampler end to end, as a user runs it: tintwell.exe under real input
// with SHIFT held over a patch that changes colour faster than the sampler
// ticks, beside a bare 33 ms timer window that runs all the while, so both
// rates come from the same seconds under the same load; then over a patch of
// one colour; then the changing colour again with the display at 200 %.
// Tintwell writes each tick's times down (TINTWELL_TICK_TIMES), and the CPU
// of the X server and of the Wine server is read over the same seconds, and
// over as many seconds before SHIFT goes down, when all else runs as well.
// Each tick's CPU is divided by a floor's, the two taking turns of a second,
// twelve times over, in phases of their own: a bare window with
// the eight fields that reads the pixel and rewrites them all, and for the
// unchanged colour a bare read. Measured apart, a minute away from each
// other, the two drifted with the machine by a fifth either way; side by
// side, each slowed the other by as much as their ticks overlapped.
// Also the start to the first painted window, median of nine, and the
// private memory, each against a bare window with Tintwell's 18 child
// windows; and the exe's size.

#include <windows.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app_process.h"
#include "child_process.h"
#include "environment.h"
#include "floor_programs.h"
#include "held_input.h"
#include "input.h"
#include "process_cpu.h"
#include "registry.h"
#include "shell/layout.h"
#include "tick_log.h"
#include "win32/handles.h"

namespace {

using namespace tintwell;
using namespace tintwell::bench;

constexpr std::chrono::milliseconds kKeySettling{500};
constexpr int kTurns = 12;
constexpr std::chrono::milliseconds kTurn{1000};
constexpr std::chrono::milliseconds kTurnSettling{250};
constexpr int kPatchLeft = 1000;  // right of the window, even at 200 %
constexpr int kPatchTop = 100;
constexpr int kPatchSize = 64;
constexpr int kStillPatchLeft = kPatchLeft + 2 * kPatchSize;
constexpr const wchar_t* kStillPatchColor = L"3c6e91";
constexpr DWORD kDoubleScaleDpi = 192;
constexpr double kMsPerSecond = 1000.0;

std::wstring patchArguments(int left, const std::wstring& color) {
  return std::to_wstring(left) + L" " + std::to_wstring(kPatchTop) + L" " +
         std::to_wstring(kPatchSize) + L" " + color;
}

// The X server's and the Wine server's CPU, by the host process IDs the
// bench's script hands over; 0 where it did not.
class ServerCpu {
 public:
  ServerCpu() : display_(hostId(L"TINTWELL_XVFB_PID")), wine_(hostId(L"TINTWELL_WINESERVER_PID")) {}
  double display() const { return display_ ? bench::hostProcessSeconds(display_) : 0; }
  double wine() const { return wine_ ? bench::hostProcessSeconds(wine_) : 0; }

 private:
  static unsigned long hostId(const wchar_t* name) {
    std::array<wchar_t, 32> text{};
    const DWORD length = GetEnvironmentVariableW(name, text.data(), text.size());
    return length > 0 && length < text.size() ? std::wcstoul(text.data(), nullptr, 10) : 0;
  }
  unsigned long display_;
  unsigned long wine_;
};

// What a stretch of seconds cost each process, read at its start and end.
struct Costs {
  double wall = 0;
  double tintwell = 0;
  double display = 0;
  double wine = 0;
  double floorTicks = 0;
};

class CostMeter {
 public:
  CostMeter(const bench::ProcessCpu& tintwell, const ServerCpu& servers, const TickingFloor& floor)
      : tintwell_(tintwell), servers_(servers), floor_(floor), start_(read()) {}
  Costs sinceStart() const {
    const Costs now = read();
    return Costs{now.wall - start_.wall, now.tintwell - start_.tintwell,
                 now.display - start_.display, now.wine - start_.wine,
                 now.floorTicks - start_.floorTicks};
  }

 private:
  Costs read() const {
    return Costs{seconds(Clock::now().time_since_epoch()), tintwell_.seconds(), servers_.display(),
                 servers_.wine(), floor_.ticks()};
  }
  const bench::ProcessCpu& tintwell_;
  const ServerCpu& servers_;
  const TickingFloor& floor_;
  Costs start_;
};

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

// Where Tintwell writes its ticks down.
std::filesystem::path tickLogPath() {
  std::array<wchar_t, MAX_PATH> folder{};
  GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
  return std::filesystem::path(folder.data()) / L"tintwell-ticks.txt";
}

// Tintwell started, its fields filled, moved clear of the patches and let
// settle; closed at the end as a user closes it.
class MeasuredTintwell {
 public:
  explicit MeasuredTintwell(const std::filesystem::path& program)
      : failure_(app_.start(program, {{L"TINTWELL_TICK_TIMES", tickLogPath().wstring()}})) {
    if (!failure_.empty()) return;
    const HWND hexField = app_.control(layout::txtInpId(kHexField));
    e2e::waitUntil([&] { return e2e::controlText(hexField) == "ff0000"; }, e2e::kStartLimit);
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
  const bench::ProcessCpu& cpu() const { return *cpu_; }

 private:
  e2e::TintwellProcess app_;
  std::string failure_;
  win32::KernelHandle process_;
  std::optional<bench::ProcessCpu> cpu_;
};

struct Phase {
  Clock::time_point begin;
  Clock::time_point end;
  Costs sampling;            // SHIFT held
  Costs idle;                // as long, just before, SHIFT up
  bench::TickSummary ticks;  // read from the program's record once it has closed

  void readTicks(const std::filesystem::path& log) {
    ticks = bench::summarizeTicks(log, begin, end);
  }
};

// SHIFT held over a screen point for the sampling time, beside a floor
// program of the mode named, after as many seconds with everything running
// but SHIFT up.
Phase holdShiftOver(const MeasuredTintwell& app, const std::filesystem::path& floors,
                    const wchar_t* beside, POINT point) {
  static const ServerCpu servers;
  const TickingFloor floor(floors, beside);
  e2e::bringToFront(app.window());
  e2e::movePointer(point);
  Phase phase;
  {
    const CostMeter idle(app.cpu(), servers, floor);
    std::this_thread::sleep_for(kSampling);
    phase.idle = idle.sinceStart();
  }
  e2e::HeldKey shift(VK_SHIFT);
  std::this_thread::sleep_for(kKeySettling);
  phase.begin = Clock::now();
  const CostMeter sampling(app.cpu(), servers, floor);
  std::this_thread::sleep_for(kSampling);
  phase.sampling = sampling.sinceStart();
  phase.end = Clock::now();
  return phase;
}

// Tintwell's CPU and a floor's, each over its own turns.
struct Turns {
  double tintwell = 0;
  std::vector<std::pair<Clock::time_point, Clock::time_point>> tintwellTurns;
  bench::TickSummary ticks;  // Tintwell's, over its turns, read once it has closed
  double floor = 0;
  double floorTicks = 0;

  void readTicks(const std::filesystem::path& log) {
    for (const auto& [begin, end] : tintwellTurns) {
      const bench::TickSummary turn = bench::summarizeTicks(log, begin, end);
      ticks.ticks += turn.ticks;
      ticks.newColors += turn.newColors;
    }
  }
  double floorPerTick() const { return floorTicks > 0 ? floor / floorTicks : 0; }
  double tintwellPerTick() const { return ticks.ticks > 0 ? tintwell / ticks.ticks : 0; }
  double tintwellPerNewColor() const {
    return ticks.newColors > 0 ? tintwell / ticks.newColors : 0;
  }
};

// The floor ticks while SHIFT is up, then Tintwell samples while the floor
// holds its ticks back, and again: neither pays for the other's ticks, and
// the machine's drift from one second to the next falls on both alike.
Turns takeTurns(const MeasuredTintwell& app, const std::filesystem::path& floors,
                const wchar_t* mode, POINT point) {
  Turns turns;
  TickingFloor floor(floors, mode);
  if (!floor.running()) return turns;
  e2e::bringToFront(app.window());
  e2e::movePointer(point);
  for (int turn = 0; turn < kTurns; ++turn) {
    floor.setHeld(false);
    std::this_thread::sleep_for(kTurnSettling);
    const double floorCpu = floor.cpuSeconds();
    const double floorTicks = floor.ticks();
    std::this_thread::sleep_for(kTurn);
    turns.floor += floor.cpuSeconds() - floorCpu;
    turns.floorTicks += floor.ticks() - floorTicks;
    floor.setHeld(true);

    const e2e::HeldKey shift(VK_SHIFT);
    std::this_thread::sleep_for(kTurnSettling);
    const Clock::time_point begin = Clock::now();
    const double tintwellCpu = app.cpu().seconds();
    std::this_thread::sleep_for(kTurn);
    turns.tintwell += app.cpu().seconds() - tintwellCpu;
    turns.tintwellTurns.emplace_back(begin, Clock::now());
  }
  return turns;
}

// A floor the measurement could not resolve gives no ratio: "-".
void printRow(const char* measure, double value, const char* unit, double floor,
              const char* target) {
  std::printf("%-44s %9.3f %-3s", measure, value, unit);
  if (floor > 0) {
    std::printf(" %9.2fx  %s\n", value / floor, target);
  } else {
    std::printf(" %10s  %s\n", "-", target);
  }
}

double perTick(double total, int ticks) {
  return ticks > 0 ? kMsPerSecond * total / ticks : 0;
}

// The tick's rate beside the bare timer's, where its wall time went, and
// what the servers spent on it beyond what they spend with SHIFT up.
void printPhase(const char* name, const Phase& phase) {
  const bench::TickSummary& ticks = phase.ticks;
  const Costs& held = phase.sampling;
  const Costs& idle = phase.idle;
  const double tickRate = ticks.ticks / held.wall;
  const double timerRate = held.floorTicks / held.wall;
  std::printf("%s\n", name);
  std::printf("  sampler ticks per second        %6.2f  (%d of them with a new colour)\n", tickRate,
              ticks.newColors);
  std::printf(
      "  bare 33 ms timer, same seconds  %6.2f  (tick rate %.1f %% of it; target "
      "within 5 %%)\n",
      timerRate, timerRate > 0 ? 100.0 * tickRate / timerRate : 0.0);
  std::printf(
      "  a tick's handler %.2f ms, tick to tick %.2f ms (longest %.1f ms, %d over "
      "50 ms)\n",
      ticks.handlerMs, ticks.intervalMs, ticks.longestIntervalMs, ticks.lateIntervals);
  std::printf("  CPU a tick: Tintwell %.2f ms, X server %.2f ms, Wine server %.2f ms\n",
              perTick(held.tintwell, ticks.ticks),
              perTick(held.display - idle.display, ticks.ticks),
              perTick(held.wine - idle.wine, ticks.ticks));
  std::printf(
      "  CPU a second with SHIFT up / held: X server %.1f / %.1f %%, Wine server "
      "%.1f / %.1f %%, Tintwell %.1f / %.1f %%\n",
      100.0 * idle.display / idle.wall, 100.0 * held.display / held.wall,
      100.0 * idle.wine / idle.wall, 100.0 * held.wine / held.wall,
      100.0 * idle.tintwell / idle.wall, 100.0 * held.tintwell / held.wall);
}

double cpuPerNewColor(const Phase& phase) {
  return phase.ticks.newColors > 0 ? phase.sampling.tintwell / phase.ticks.newColors : 0;
}

void printLoad() {
  std::FILE* load = std::fopen("Z:\\proc\\loadavg", "r");
  std::array<char, 64> text{};
  if (load != nullptr && std::fgets(text.data(), static_cast<int>(text.size()), load) != nullptr) {
    std::printf("load average: %s", text.data());
  }
  if (load != nullptr) std::fclose(load);
}

}  // namespace

int main() {
  const std::filesystem::path program = e2e::programPath();
  const std::filesystem::path floors = e2e::windowsPath(TINTWELL_BUILT_FLOORS);
  const std::filesystem::path patches = e2e::windowsPath(TINTWELL_BUILT_PATCHES);
  e2e::ChildProcess cycling;
  e2e::ChildProcess still;
  if (!startChild(cycling, patches, patchArguments(kPatchLeft, L"cycle")) ||
      !startChild(still, patches, patchArguments(kStillPatchLeft, kStillPatchColor))) {
    std::fprintf(stderr, "cannot start the colour patch program\n");
    return 1;
  }
  const POINT overCycling{kPatchLeft + kPatchSize / 2, kPatchTop + kPatchSize / 2};
  const POINT overStill{kStillPatchLeft + kPatchSize / 2, kPatchTop + kPatchSize / 2};
  printLoad();

  const StartTimes starts = medianStartSeconds(program, floors);
  const double floorMemory = childrenFloorMemory(floors);

  std::optional<MeasuredTintwell> app(std::in_place, program);
  if (!app->failure().empty()) {
    std::fprintf(stderr, "cannot start %s: %s\n", program.string().c_str(), app->failure().c_str());
    return 1;
  }
  const double memoryAtStart = privateMegabytes(app->window());
  Phase changing = holdShiftOver(*app, floors, L"timer", overCycling);
  Phase unchanged = holdShiftOver(*app, floors, L"timer", overStill);
  Turns changingCpu = takeTurns(*app, floors, L"fields", overCycling);
  Turns unchangedCpu = takeTurns(*app, floors, L"read", overStill);
  const double memoryAfter = privateMegabytes(app->window());
  const bool countedFinely = app->cpu().fine();
  app.reset();
  changing.readTicks(tickLogPath());
  unchanged.readTicks(tickLogPath());
  changingCpu.readTicks(tickLogPath());
  unchangedCpu.readTicks(tickLogPath());

  Phase doubled;
  {
    const e2e::UserValueGuard dpi(e2e::kDesktopKey, e2e::kLogPixelsValue,
                                  e2e::dwordValue(kDoubleScaleDpi));
    app.emplace(program);
    if (dpi.written() && app->failure().empty()) {
      doubled = holdShiftOver(*app, floors, L"timer", overCycling);
    }
    app.reset();
    doubled.readTicks(tickLogPath());
  }
  printLoad();

  std::printf("CPU counted %s\n", countedFinely ? "to the nanosecond by the host's scheduler"
                                                : "in the system's own steps");
  printPhase("SHIFT held over a new colour at every tick, 100 %:", changing);
  printPhase("SHIFT held over one colour, 100 %:", unchanged);
  printPhase("SHIFT held over a new colour at every tick, 200 %:", doubled);
  const double fieldsFloor = changingCpu.floorPerTick();
  const double readFloor = unchangedCpu.floorPerTick();
  std::printf("%-44s %13s %10s  %s\n", "measure", "value", "/ floor", "target");
  printRow("CPU per tick, a new colour", kMsPerSecond * changingCpu.tintwellPerNewColor(), "ms",
           kMsPerSecond * fieldsFloor, "at most 1.15x");
  printRow("floor in turn: eight fields rewritten, a read", kMsPerSecond * fieldsFloor, "ms", 0,
           "");
  printRow("CPU per tick, the same colour", kMsPerSecond * unchangedCpu.tintwellPerTick(), "ms",
           kMsPerSecond * readFloor, "at most 1.3x");
  printRow("floor in turn: a bare 1 x 1 screen read", kMsPerSecond * readFloor, "ms", 0, "");
  printRow("CPU per tick, a new colour, at 200 %", kMsPerSecond * cpuPerNewColor(doubled), "ms",
           kMsPerSecond * cpuPerNewColor(changing), "at most 1.5x the tick at 100 %");
  printRow("start to first painted fields (median)", starts.tintwell, "s", starts.floor,
           "at most 1.2x");
  printRow("floor: the 18 child windows' first paint", starts.floor, "s", 0, "");
  printRow("private memory after start", memoryAtStart, "MB", floorMemory, "at most 1.2x");
  printRow("private memory after sampling", memoryAfter, "MB", memoryAtStart, "flat, at most 8 MB");
  printRow("floor: the 18 child windows' private memory", floorMemory, "MB", 0, "");
  std::printf("%-44s %9.2f MB\n", "exe size",
              static_cast<double>(std::filesystem::file_size(program)) / kBytesPerMegabyte);
  return 0;
}
