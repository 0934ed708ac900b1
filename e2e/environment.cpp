#include "environment.h"

#include <windows.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <thread>

#include "win32/text.h"

namespace tintwell::e2e {

namespace {

std::filesystem::path ownDirectory() {
  std::array<wchar_t, MAX_PATH> buffer{};
  const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), buffer.size());
  return std::filesystem::path(std::wstring(buffer.data(), length)).parent_path();
}

std::optional<std::filesystem::path> fromVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return windowsPath(value);
}

bool pathExists(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::exists(path, ignored);
}

}  // namespace

std::filesystem::path programPath() {
  if (const auto chosen = fromVariable("TINTWELL_EXE")) return *chosen;
  const std::filesystem::path built = windowsPath(TINTWELL_BUILT_EXE);
  return pathExists(built) ? built : ownDirectory() / "tintwell.exe";
}

std::filesystem::path artifactDirectory() {
  if (const auto chosen = fromVariable("TINTWELL_E2E_ARTIFACTS")) return *chosen;
  const std::filesystem::path built = windowsPath(TINTWELL_BUILT_ARTIFACTS);
  return pathExists(built.parent_path()) ? built : ownDirectory() / "e2e-artifacts";
}

std::string browserScript() {
  return pathExists(windowsPath(TINTWELL_BUILT_BROWSER)) ? TINTWELL_BUILT_BROWSER : "";
}

std::filesystem::path browserLog() {
  return windowsPath(TINTWELL_BUILT_BROWSER_LOG);
}

std::filesystem::path windowsPath(std::string_view path) {
  if (!path.starts_with('/')) return std::filesystem::path(win32::toWide(path));
  // Wine's default prefix maps the Unix root to drive Z:.
  std::wstring converted = L"Z:" + win32::toWide(path);
  for (wchar_t& character : converted) {
    if (character == L'/') character = L'\\';
  }
  return converted;
}

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit,
               std::chrono::milliseconds poll) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(poll);
  }
  return true;
}

}  // namespace tintwell::e2e
