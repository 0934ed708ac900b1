#include "held_input.h"

#include <chrono>
#include <vector>

#include "environment.h"

namespace tintwell::e2e {

namespace {

INPUT keyInput(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

void sendKey(WORD virtualKey, bool release) {
  INPUT input = keyInput(virtualKey, release);
  SendInput(1, &input, sizeof input);
}

void sendButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// Absolute pointer positions are given in 1/65536 of the screen; this is the
// smallest such value that still lands on the pixel.
LONG normalized(LONG pixel, int screenSize) {
  constexpr LONG kNormalizedScreen = 65536;
  return (pixel * kNormalizedScreen + screenSize - 1) / screenSize;
}

void sendMove(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = normalized(screen.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = normalized(screen.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

bool pointerAt(POINT screen) {
  POINT now{};
  return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
}

}  // namespace

bool placePointer(POINT screen) {
  constexpr std::chrono::milliseconds kResendAfter{100};
  const auto deadline = std::chrono::steady_clock::now() + kReactionLimit;
  while (std::chrono::steady_clock::now() < deadline) {
    sendMove(screen);
    if (waitUntil([&] { return pointerAt(screen); }, kResendAfter)) return true;
  }
  return false;
}

HeldKey::HeldKey(WORD virtualKey) : virtualKey_(virtualKey) {
  sendKey(virtualKey_, false);
}

void HeldKey::release() {
  if (!down_) return;
  down_ = false;
  sendKey(virtualKey_, true);
}

HeldButton::HeldButton() {
  sendButton(MOUSEEVENTF_LEFTDOWN);
}

void HeldButton::release() {
  if (!down_) return;
  down_ = false;
  sendButton(MOUSEEVENTF_LEFTUP);
}

void sendKeyBurst(std::span<const WORD> virtualKeys) {
  std::vector<INPUT> inputs;
  inputs.reserve(2 * virtualKeys.size());
  for (const WORD virtualKey : virtualKeys) {
    inputs.push_back(keyInput(virtualKey, false));
    inputs.push_back(keyInput(virtualKey, true));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace tintwell::e2e
