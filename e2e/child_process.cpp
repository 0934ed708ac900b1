#include "child_process.h"

namespace tintwell::e2e {

namespace {

constexpr UINT kTerminatedExitCode = 1;
constexpr DWORD kExitWaitMs = 10'000;
constexpr uint64_t kFileTimeUnitsPerMs = 10'000;

// A job that kills the child when the harness itself dies half-way.
win32::KernelHandle makeKillOnCloseJob() {
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

std::string ChildProcess::start(std::wstring commandLine, const std::filesystem::path& directory,
                                const std::vector<EnvironmentVariable>& environment) {
  terminate();
  // The child inherits them; the harness keeps them no longer than that.
  for (const auto& [name, value] : environment)
    SetEnvironmentVariableW(name.c_str(), value.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION created{};
  const BOOL started =
      CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                     nullptr, directory.empty() ? nullptr : directory.c_str(), &startup, &created);
  const DWORD error = GetLastError();
  for (const auto& [name, value] : environment) SetEnvironmentVariableW(name.c_str(), nullptr);
  if (!started) return "CreateProcess failed with error " + std::to_string(error);
  process_ = win32::KernelHandle(created.hProcess);
  const win32::KernelHandle thread(created.hThread);
  threadId_ = created.dwThreadId;
  // Joined while suspended, so that nothing it starts escapes the job.
  job_ = makeKillOnCloseJob();
  if (job_ && !AssignProcessToJobObject(job_.get(), process_.get())) job_.reset();
  ResumeThread(thread.get());
  return {};
}

bool ChildProcess::running() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::waitForExit(std::chrono::milliseconds limit) const {
  return !process_ ||
         WaitForSingleObject(process_.get(), static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

std::optional<DWORD> ChildProcess::exitCode() const {
  return exitCodeOf(process_.get());
}

std::chrono::milliseconds ChildProcess::processorTime() const {
  FILETIME created{};
  FILETIME ended{};
  FILETIME kernel{};
  FILETIME user{};
  if (!process_ || !GetProcessTimes(process_.get(), &created, &ended, &kernel, &user)) return {};
  const auto units = [](FILETIME time) {
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return std::chrono::milliseconds((units(kernel) + units(user)) / kFileTimeUnitsPerMs);
}

void ChildProcess::terminate() {
  if (running()) {
    TerminateProcess(process_.get(), kTerminatedExitCode);
    WaitForSingleObject(process_.get(), kExitWaitMs);
  }
  process_.reset();
  job_.reset();
  threadId_ = 0;
}

std::wstring commandLineOf(const std::filesystem::path& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program.wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  return commandLine;
}

std::optional<DWORD> exitCodeOf(HANDLE process) {
  DWORD code = 0;
  if (process == nullptr || !GetExitCodeProcess(process, &code) || code == STILL_ACTIVE) {
    return std::nullopt;
  }
  return code;
}

}  // namespace tintwell::e2e
