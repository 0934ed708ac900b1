#pragma once

// Stands in for the web browser: while one of these lives, an address the
// shell is asked to open under Wine is written down instead of opened.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tintwell::e2e {

class ShellOpenRecorder {
 public:
  ShellOpenRecorder();
  ShellOpenRecorder(const ShellOpenRecorder&) = delete;
  ShellOpenRecorder& operator=(const ShellOpenRecorder&) = delete;
  // Gives Wine its former browser setting back.
  ~ShellOpenRecorder();

  // False on Windows, or when the build made no stand-in browser.
  bool active() const { return active_; }
  // The addresses opened since this recorder started, oldest first.
  std::vector<std::string> addresses() const;
  bool waitForAddress(std::chrono::milliseconds limit) const;

 private:
  bool active_ = false;
  std::filesystem::path log_;
  std::optional<std::wstring> previousBrowsers_;
};

}  // namespace tintwell::e2e
