#include "app_process.h"

#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <thread>
#include <utility>

#include "environment.h"
#include "shell/layout.h"
#include "win32/text.h"

namespace tintwell::e2e {

namespace {

// Sent messages give up on a hung program rather than hang the test.
constexpr UINT kQueryTimeoutMs = 5000;

struct WindowSearch {
  DWORD processId;
  std::string className;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM searchAddress) {
  auto& search = *reinterpret_cast<WindowSearch*>(searchAddress);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
  if (className(window) != search.className) return TRUE;
  search.found = window;
  return FALSE;
}

// A start that takes long is given more time while the program keeps using
// the processor: a loaded machine slows it, a hang does not use it.
constexpr std::chrono::milliseconds kStartGrace{10'000};
constexpr int kLongestStartLimits = 3;
constexpr std::chrono::milliseconds kStartPoll{20};

struct RunningProgram {
  DWORD processId;
  std::string name;
};

std::vector<RunningProgram> runningPrograms() {
  std::vector<RunningProgram> programs;
  const win32::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return programs;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    programs.push_back({entry.th32ProcessID, win32::toUtf8(entry.szExeFile)});
  }
  return programs;
}

// Under Wine, a prefix update runs wineboot, and a program started meanwhile
// waits for it on a clock of Wine's own. It is waited out first, so that the
// start limit counts the program's own start.
void waitForPrefixUpdate() {
  for (const RunningProgram& program : runningPrograms()) {
    if (_stricmp(program.name.c_str(), "wineboot.exe") != 0) continue;
    const win32::KernelHandle wineboot(OpenProcess(SYNCHRONIZE, FALSE, program.processId));
    if (wineboot) WaitForSingleObject(wineboot.get(), static_cast<DWORD>(kStartLimit.count()));
  }
}

BOOL CALLBACK describeWindow(HWND window, LPARAM listAddress) {
  auto& list = *reinterpret_cast<std::pair<DWORD, std::string>*>(listAddress);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == list.first) {
    list.second += ' ';
    list.second += className(window);
    if (!IsWindowVisible(window)) list.second += " (hidden)";
  }
  return TRUE;
}

// What a start that failed leaves to see: the program's state, its windows
// and the other programs running, among them Wine's own.
std::string startSeen(const ChildProcess& process, DWORD idleWait) {
  std::string seen = "; the program ";
  if (const std::optional<DWORD> code = process.exitCode()) {
    seen += "ended with code ";
    seen += std::to_string(*code);
  } else {
    seen += "runs";
  }
  seen += ", used ";
  seen += std::to_string(process.processorTime().count());
  seen += " ms of processor time";
  seen += idleWait == 0 ? ", waited for input" : ", never waited for input";
  std::pair<DWORD, std::string> windows{process.processId(), {}};
  EnumWindows(describeWindow, reinterpret_cast<LPARAM>(&windows));
  seen += "; its windows:";
  seen += windows.second.empty() ? " none" : windows.second;
  seen += "; programs running:";
  for (const RunningProgram& program : runningPrograms()) {
    seen += ' ';
    seen += program.name;
  }
  return seen;
}

}  // namespace

std::string TintwellProcess::start(const std::filesystem::path& program,
                                   const std::vector<EnvironmentVariable>& environment) {
  if (!std::filesystem::exists(program)) return "no program at " + program.string();
  waitForPrefixUpdate();
  const std::string failure =
      ChildProcess::start(commandLineOf(program), program.parent_path(), environment);
  if (!failure.empty()) return failure;

  const auto began = std::chrono::steady_clock::now();
  const DWORD idleWait = WaitForInputIdle(handle(), static_cast<DWORD>(kStartLimit.count()));
  WindowSearch search{processId(), std::string(layout::kWindowClassName), nullptr};
  auto deadline = began + kStartLimit;
  auto cpuSeen = processorTime();
  for (;;) {
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr || !running()) break;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) {
      const auto cpu = processorTime();
      if (cpu == cpuSeen || now - began >= kLongestStartLimits * kStartLimit) break;
      cpuSeen = cpu;
      deadline = now + kStartGrace;
    }
    std::this_thread::sleep_for(kStartPoll);
  }
  if (search.found == nullptr) {
    const auto waited =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - began);
    const std::string failure =
        running() ? "the window did not appear in " + std::to_string(waited.count()) + " s"
                  : "the program ended before showing its window";
    return failure + startSeen(*this, idleWait);
  }
  window_ = search.found;
  return {};
}

bool TintwellProcess::requestClose() const {
  return window_ != nullptr && PostMessageW(window_, WM_CLOSE, 0, 0);
}

void TintwellProcess::terminate() {
  ChildProcess::terminate();
  window_ = nullptr;
}

HWND TintwellProcess::control(int controlId) const {
  return GetDlgItem(window_, controlId);
}

HWND TintwellProcess::focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(threadId(), &info) ? info.hwndFocus : nullptr;
}

POINT TintwellProcess::toScreen(POINT client) const {
  ClientToScreen(window_, &client);
  return client;
}

RECT TintwellProcess::placeInClient(HWND child) const {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LRESULT query(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kQueryTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

std::string controlText(HWND window) {
  const auto length = static_cast<size_t>(query(window, WM_GETTEXTLENGTH));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<size_t>(
      query(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return win32::toUtf8(text);
}

std::string className(HWND window) {
  std::array<wchar_t, 256> name{};
  const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
  return win32::toUtf8(std::wstring_view(name.data(), static_cast<size_t>(std::max(length, 0))));
}

std::vector<std::string> comboItems(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = query(combo, CB_GETCOUNT);
  for (LRESULT index = 0; index < count; ++index) {
    const LRESULT length = query(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) break;
    std::wstring item(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = query(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<size_t>(std::clamp<LRESULT>(copied, 0, length)));
    items.push_back(win32::toUtf8(item));
  }
  return items;
}

HWND shownPopupMenu() {
  // The class of every popup menu's window.
  const wchar_t* const kMenuClass = MAKEINTATOM(32768);
  const HWND menu = FindWindowW(kMenuClass, nullptr);
  return menu != nullptr && IsWindowVisible(menu) ? menu : nullptr;
}

}  // namespace tintwell::e2e
