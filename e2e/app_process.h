#pragma once

// tintwell.exe as a child process: started, found, read, closed or killed.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"

namespace tintwell::e2e {

class TintwellProcess {
 public:
  TintwellProcess() = default;
  TintwellProcess(const TintwellProcess&) = delete;
  TintwellProcess& operator=(const TintwellProcess&) = delete;
  // A process left running here would outlive the test; it is killed.
  ~TintwellProcess() { terminate(); }

  // Starts the program and waits until its main window is shown. On failure
  // the reason is returned; on success an empty text.
  std::string start(const std::filesystem::path& program,
                    const std::vector<EnvironmentVariable>& environment = {});
  bool running() const;
  // Asks the window to close, as its close box does.
  bool requestClose() const;
  bool waitForExit(std::chrono::milliseconds limit) const;
  void terminate();

  HWND window() const { return window_; }
  HWND control(int controlId) const;
  // The window whose keyboard focus the program's thread holds now.
  HWND focus() const;
  // Client-area point of the main window on the screen.
  POINT toScreen(POINT client) const;
  // A child's rectangle in the main window's client coordinates.
  RECT placeInClient(HWND child) const;

 private:
  ChildProcess process_;
  HWND window_ = nullptr;
};

// Texts (UTF-8) and states read from another process's controls, which
// GetWindowText cannot read.
std::string controlText(HWND window);
std::string className(HWND window);
LRESULT query(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::vector<std::string> comboItems(HWND combo);

}  // namespace tintwell::e2e
