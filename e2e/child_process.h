#pragma once

// A program the harness starts: with its own command line, folder and
// variables, ended with the harness or with this owner, whichever goes first.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "win32/handles.h"

namespace tintwell::e2e {

// A name and its value.
using EnvironmentVariable = std::pair<std::wstring, std::wstring>;

class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() { terminate(); }

  // Ends a child still running, then starts the new one in the folder (empty:
  // the harness's own) with the harness's environment and the variables.
  // On failure the reason, else an empty text.
  std::string start(std::wstring commandLine, const std::filesystem::path& directory = {},
                    const std::vector<EnvironmentVariable>& environment = {});
  bool running() const;
  // True at once when nothing was started.
  bool waitForExit(std::chrono::milliseconds limit) const;
  std::optional<DWORD> exitCode() const;
  std::chrono::milliseconds processorTime() const;
  void terminate();

  HANDLE handle() const { return process_.get(); }
  DWORD processId() const { return GetProcessId(process_.get()); }
  DWORD threadId() const { return threadId_; }

 private:
  win32::KernelHandle job_;
  win32::KernelHandle process_;
  DWORD threadId_ = 0;
};

// The program's path in quotes, then the arguments after a blank.
std::wstring commandLineOf(const std::filesystem::path& program,
                           const std::wstring& arguments = {});
// None while the process runs or when it cannot be read.
std::optional<DWORD> exitCodeOf(HANDLE process);

}  // namespace tintwell::e2e
