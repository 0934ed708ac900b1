#include "shell_recorder.h"

#include <algorithm>
#include <fstream>

#include "environment.h"
#include "registry.h"
#include "win32/text.h"
#include "win32/wine.h"

namespace tintwell::e2e {

namespace {

// Wine's winebrowser runs the first program of this comma-separated list that
// starts; shell open commands of http and https go through it.
constexpr const wchar_t* kBrowserKey = L"Software\\Wine\\WineBrowser";
constexpr const wchar_t* kBrowsersValue = L"Browsers";

StoredValue textValue(const std::wstring& text) {
  const auto* first = reinterpret_cast<const uint8_t*>(text.c_str());
  return {REG_SZ, std::vector<uint8_t>(first, first + (text.size() + 1) * sizeof(wchar_t))};
}

std::wstring textOf(const StoredValue& value) {
  std::wstring text(value.bytes.size() / sizeof(wchar_t), L'\0');
  std::copy(value.bytes.begin(), value.bytes.begin() + text.size() * sizeof(wchar_t),
            reinterpret_cast<uint8_t*>(text.data()));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace

ShellOpenRecorder::ShellOpenRecorder() {
  const std::string script = browserScript();
  if (!win32::runningUnderWine() || script.empty()) return;
  log_ = browserLog();
  std::error_code ignored;
  std::filesystem::remove(log_, ignored);
  if (const auto previous = readUserValue(kBrowserKey, kBrowsersValue)) {
    previousBrowsers_ = textOf(*previous);
  }
  // The script runs as a Unix program, so its Unix path is what Wine wants.
  active_ = writeUserValue(kBrowserKey, kBrowsersValue, textValue(win32::toWide(script)));
}

ShellOpenRecorder::~ShellOpenRecorder() {
  if (!active_) return;
  if (previousBrowsers_) {
    writeUserValue(kBrowserKey, kBrowsersValue, textValue(*previousBrowsers_));
  } else {
    deleteUserValue(kBrowserKey, kBrowsersValue);
  }
}

std::vector<std::string> ShellOpenRecorder::addresses() const {
  std::vector<std::string> lines;
  std::ifstream in(log_);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

bool ShellOpenRecorder::waitForAddress(std::chrono::milliseconds limit) const {
  return active_ && waitUntil([&] { return !addresses().empty(); }, limit);
}

}  // namespace tintwell::e2e
