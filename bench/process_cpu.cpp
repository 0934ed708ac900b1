#include "process_cpu.h"

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <string>

namespace tintwell::bench {

namespace {

namespace fs = std::filesystem;

constexpr double kHundredNanosecondsPerSecond = 1e7;
constexpr double kNanosecondsPerSecond = 1e9;
// Wine shows the host's root as drive Z.
const fs::path kHostProcesses = L"Z:\\proc";

std::wstring lowerCase(std::wstring_view text) {
  std::wstring lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](wchar_t letter) { return static_cast<wchar_t>(std::towlower(letter)); });
  return lower;
}

// A Wine process's command line on the host starts with its program's path
// as Windows spells it.
bool startsProgram(const fs::path& hostProcess, const fs::path& program) {
  std::ifstream file(hostProcess / L"cmdline", std::ios::binary);
  std::string started;
  if (!std::getline(file, started, '\0')) return false;
  return lowerCase(fs::path(started).wstring()) == lowerCase(program.wstring());
}

// The one host process running the program, or 0 (none, several, no host).
unsigned long hostProcessOf(const fs::path& program) {
  std::error_code error;
  unsigned long found = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(kHostProcesses, error)) {
    const std::wstring name = entry.path().filename().wstring();
    if (name.empty() || !std::all_of(name.begin(), name.end(), iswdigit)) continue;
    if (!startsProgram(entry.path(), program)) continue;
    if (found != 0) return 0;
    found = std::stoul(name);
  }
  return found;
}

double systemSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / kHundredNanosecondsPerSecond;
}

}  // namespace

// Every thread's time on a CPU, the first figure of its schedstat.
double hostProcessSeconds(unsigned long hostProcessId) {
  std::error_code error;
  double nanoseconds = 0;
  const fs::path threads = kHostProcesses / std::to_wstring(hostProcessId) / L"task";
  for (const fs::directory_entry& thread : fs::directory_iterator(threads, error)) {
    std::ifstream file(thread.path() / L"schedstat");
    double onCpu = 0;
    if (file >> onCpu) nanoseconds += onCpu;
  }
  return nanoseconds / kNanosecondsPerSecond;
}

ProcessCpu::ProcessCpu(HANDLE process, const std::filesystem::path& program)
    : process_(process), hostProcessId_(hostProcessOf(std::filesystem::absolute(program))) {}

double ProcessCpu::seconds() const {
  return fine() ? hostProcessSeconds(hostProcessId_) : systemSeconds(process_);
}

}  // namespace tintwell::bench
