#pragma once

// Where the harness finds the program and puts its artifacts, and how it waits.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tintwell::e2e {

// Generous upper bounds: a run under Wine on a busy machine is slow, and no
// test measures time, it only stops waiting for what never comes.
inline constexpr std::chrono::milliseconds kStartLimit{60'000};
inline constexpr std::chrono::milliseconds kReactionLimit{10'000};

// tintwell.exe: $TINTWELL_EXE, else the one this build made, else the one
// beside this program.
std::filesystem::path programPath();
// Screenshots and other evidence: $TINTWELL_E2E_ARTIFACTS, else the build's
// folder for them, else beside this program.
std::filesystem::path artifactDirectory();
// The stand-in browser, as a Unix path, and the file it writes to; empty
// when this build has none.
std::string browserScript();
std::filesystem::path browserLog();
// A Unix path as Wine's Z: drive shows it; Windows paths pass unchanged.
std::filesystem::path windowsPath(std::string_view path);

// Polls until the condition holds; false when the limit passed first.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit,
               std::chrono::milliseconds poll = std::chrono::milliseconds(20));

}  // namespace tintwell::e2e
