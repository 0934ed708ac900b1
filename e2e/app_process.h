#pragma once

// tintwell.exe as a child process: started, found, read, closed or killed.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"

namespace tintwell::e2e {

// Killed with its owner: a process left running would outlive the test.
class TintwellProcess : private ChildProcess {
 public:
  // Starts the program and waits until its main window is shown. On failure
  // the reason is returned; on success an empty text.
  std::string start(const std::filesystem::path& program,
                    const std::vector<EnvironmentVariable>& environment = {});
  using ChildProcess::running;
  using ChildProcess::waitForExit;
  // Asks the window to close, as its close box does.
  bool requestClose() const;
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
  HWND window_ = nullptr;
};

// Texts (UTF-8) and states read from another process's controls, which
// GetWindowText cannot read.
std::string controlText(HWND window);
std::string className(HWND window);
LRESULT query(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::vector<std::string> comboItems(HWND combo);
// The popup menu showing now, if any.
HWND shownPopupMenu();

}  // namespace tintwell::e2e
