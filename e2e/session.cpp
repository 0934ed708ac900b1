#include "session.h"

#include <charconv>
#include <deque>
#include <fstream>
#include <thread>
#include <utility>

#include "core/utf8.h"
#include "environment.h"
#include "input.h"
#include "shell/layout.h"

namespace tintwell::e2e {

void TintwellSession::SetUp() {
  userSettings_.emplace();
  ASSERT_TRUE(userSettings_->saved()) << "could not put HKCU\\Software\\Quenlark aside";
  ASSERT_TRUE(deleteUserKey(kMakerKey)) << "could not clear HKCU\\Software\\Quenlark";
  // A pointer left over the window by an earlier test would light what lies there.
  movePointer({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
}

void TintwellSession::TearDown() {
  if (HasFailure() && app_.running()) {
    Screenshot::ofClientArea(app_.window())
        .saveBmp(artifactDirectory() / artifactName("failed.bmp"));
  }
  app_.terminate();
  userSettings_.reset();
}

void TintwellSession::launch() {
  // The program reads them once, at its start; later starts go without them.
  std::vector<EnvironmentVariable> environment;
  if (!traceFile_.empty()) {
    std::filesystem::create_directories(traceFile_.parent_path());
    environment.push_back({L"TINTWELL_TRACE", traceFile_.wstring()});
  }
  if (countObjects_) environment.push_back({L"TINTWELL_COUNT_OBJECTS", L"1"});
  ASSERT_EQ(app_.start(programPath(), environment), "") << programPath().string();
}

std::string TintwellSession::traceLinesUpTo(int64_t steadyClockMs, size_t count) const {
  std::ifstream in(traceFile_);
  std::deque<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    int64_t writtenAt = 0;
    std::from_chars(line.data(), line.data() + line.size(), writtenAt);
    if (writtenAt > steadyClockMs) break;
    lines.push_back(std::move(line));
    if (lines.size() > count) lines.pop_front();
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::optional<win32::GuiObjects> TintwellSession::guiObjects() const {
  DWORD_PTR answer = 0;
  const UINT countMessage = RegisterWindowMessageW(win32::kCountObjectsMessage);
  if (!countObjects_ || !SendMessageTimeoutW(app_.window(), countMessage, 0, 0, SMTO_ABORTIFHUNG,
                                             static_cast<UINT>(kReactionLimit.count()), &answer)) {
    return std::nullopt;
  }
  constexpr DWORD_PTR kLowHalf = 0xFFFFFFFF;
  return win32::GuiObjects{static_cast<DWORD>(answer & kLowHalf),
                           static_cast<DWORD>(answer >> win32::kUserObjectsShift)};
}

HWND TintwellSession::field(int index) const {
  return control(layout::txtInpId(index));
}

FieldTexts TintwellSession::fieldTexts() const {
  FieldTexts texts;
  for (int index = 0; index < kFieldCount; ++index) {
    texts.at(static_cast<size_t>(index)) = controlText(field(index));
  }
  return texts;
}

HWND TintwellSession::option(int index) const {
  return control(layout::optDimId(index));
}

Screenshot TintwellSession::waitForClientPicture(
    const std::function<bool(const Screenshot&)>& condition) const {
  Screenshot shot;
  waitUntil(
      [&] {
        shot = Screenshot::ofClientArea(app_.window());
        return condition(shot);
      },
      kReactionLimit);
  return shot;
}

Screenshot TintwellSession::settledClientPicture() const {
  // Wine hands a painted window to the X server a little later; two equal
  // looks this far apart mean it has arrived.
  constexpr std::chrono::milliseconds kLookInterval{150};
  RedrawWindow(app_.window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Screenshot previous = Screenshot::ofClientArea(app_.window());
  waitUntil(
      [&] {
        std::this_thread::sleep_for(kLookInterval);
        Screenshot current = Screenshot::ofClientArea(app_.window());
        const bool same = current == previous;
        previous = std::move(current);
        return same;
      },
      kReactionLimit);
  return previous;
}

POINT TintwellSession::centreOf(HWND child) const {
  const RECT place = app_.placeInClient(child);
  return app_.toScreen({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

std::string TintwellSession::artifactName(const std::string& suffix) const {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& character : name) {
    if (character == '/') character = '-';
  }
  return name + "-" + suffix;
}

void StartedWindowTest::SetUp() {
  TintwellSession::SetUp();
  if (!HasFatalFailure()) launch();
}

void InputTest::SetUp() {
  StartedWindowTest::SetUp();
  if (HasFatalFailure()) return;
  ASSERT_TRUE(bringToFront(app_.window()));
}

void InputTest::clearField(HWND edit) {
  // Under load Wine may drop a click now and then: one that gave no focus is
  // made again.
  constexpr int kClicks = 3;
  constexpr std::chrono::milliseconds kFocusLook{3'000};
  bool focused = false;
  for (int clicks = 0; clicks < kClicks && !focused; ++clicks) {
    ASSERT_TRUE(click(centreOf(edit)));
    focused = waitUntil([&] { return app_.focus() == edit; }, kFocusLook);
  }
  ASSERT_TRUE(focused) << "no click into the field gave it the focus";
  pressKey(VK_END);
  for (size_t left = utf8Characters(controlText(edit)).size(); left > 0; --left) pressKey(VK_BACK);
  ASSERT_TRUE(waitUntil([&] { return controlText(edit).empty(); }, kReactionLimit))
      << "still reads " << controlText(edit);
}

bool InputTest::fieldReads(int index, const std::string& text) const {
  return waitUntil([&] { return controlText(field(index)) == text; }, kReactionLimit);
}

}  // namespace tintwell::e2e
