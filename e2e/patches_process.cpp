#include "patches_process.h"

#include <cstdlib>

#include "environment.h"
#include "win32/text.h"

namespace tintwell::e2e {

namespace {

constexpr UINT kTerminatedExitCode = 1;
constexpr DWORD kExitWaitMs = 10'000;

// Kills the patches when the harness dies half-way.
win32::KernelHandle killOnCloseJob() {
  win32::KernelHandle job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job && !SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits,
                                      sizeof limits)) {
    job.reset();
  }
  return job;
}

}  // namespace

std::filesystem::path patchesProgramPath() {
  const char* chosen = std::getenv("TINTWELL_PATCHES");
  if (chosen != nullptr && *chosen != '\0') return windowsPath(chosen);
  const std::filesystem::path built = windowsPath(TINTWELL_BUILT_PATCHES);
  std::error_code ignored;
  return std::filesystem::exists(built, ignored)
             ? built
             : programPath().parent_path() / "tintwell_patches.exe";
}

std::string ColorPatches::show(POINT topLeft, int size, const std::vector<Rgb>& colors) {
  close();
  topLeft_ = topLeft;
  size_ = size;
  checker_ = false;
  colors_ = colors;
  std::wstring arguments;
  for (const Rgb& color : colors) arguments += L" " + win32::toWide(hexText(color));
  return start(arguments);
}

std::string ColorPatches::showChecker(POINT topLeft, int size, const Rgb& even, const Rgb& odd) {
  close();
  topLeft_ = topLeft;
  size_ = size;
  checker_ = true;
  colors_ = {even, odd};
  return start(L" checker " + win32::toWide(hexText(even)) + L" " + win32::toWide(hexText(odd)));
}

std::string ColorPatches::start(const std::wstring& arguments) {
  const std::filesystem::path program = patchesProgramPath();
  std::wstring commandLine = L"\"" + program.wstring() + L"\" " + std::to_wstring(topLeft_.x) +
                             L" " + std::to_wstring(topLeft_.y) + L" " + std::to_wstring(size_) +
                             arguments;

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION created{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_SUSPENDED, nullptr, nullptr, &startup, &created)) {
    return "could not start " + program.string() + ": error " + std::to_string(GetLastError());
  }
  process_ = win32::KernelHandle(created.hProcess);
  const win32::KernelHandle thread(created.hThread);
  job_ = killOnCloseJob();
  if (job_ && !AssignProcessToJobObject(job_.get(), process_.get())) job_.reset();
  ResumeThread(thread.get());

  if (!waitUntil([&] { return onScreen(); }, kStartLimit)) {
    return "the patches did not reach the screen";
  }
  return {};
}

POINT ColorPatches::centreOf(size_t index) const {
  return {topLeft_.x + static_cast<LONG>(index) * size_ + size_ / 2, topLeft_.y + size_ / 2};
}

bool ColorPatches::onScreen() const {
  if (checker_) {
    const Screenshot corner =
        Screenshot::capture({topLeft_.x, topLeft_.y, topLeft_.x + 2, topLeft_.y + 1});
    return corner.pixel(0, 0) == colors_[0] && corner.pixel(1, 0) == colors_[1];
  }
  for (size_t index = 0; index < colors_.size(); ++index) {
    const POINT centre = centreOf(index);
    const Screenshot spot = Screenshot::capture({centre.x, centre.y, centre.x + 1, centre.y + 1});
    if (spot.pixel(0, 0) != colors_[index]) return false;
  }
  return true;
}

void ColorPatches::close() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), kTerminatedExitCode);
    WaitForSingleObject(process_.get(), kExitWaitMs);
  }
  process_.reset();
  job_.reset();
}

}  // namespace tintwell::e2e
