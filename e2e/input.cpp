#include "input.h"

#include <chrono>
#include <vector>

#include "environment.h"

namespace tintwell::e2e {

namespace {

// Absolute pointer positions are given in 1/65536 of the screen.
constexpr LONG kNormalizedScreen = 65536;
constexpr SHORT kNoKey = -1;
constexpr int kLowByteMask = 0xFF;

bool isExtended(WORD virtualKey) {
  switch (virtualKey) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_INSERT:
    case VK_DELETE:
    case VK_PRIOR:
    case VK_NEXT:
      return true;
    default:
      return false;
  }
}

INPUT keyInput(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags =
      (release ? KEYEVENTF_KEYUP : 0) | (isExtended(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT mouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

// The smallest normalized value that still lands on the pixel.
LONG normalized(LONG pixel, int screenSize) {
  return (pixel * kNormalizedScreen + screenSize - 1) / screenSize;
}

void send(std::initializer_list<INPUT> inputs) {
  std::vector<INPUT> buffer(inputs);
  SendInput(static_cast<UINT>(buffer.size()), buffer.data(), sizeof(INPUT));
}

bool pointerAt(POINT screen) {
  POINT now{};
  return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
}

}  // namespace

bool bringToFront(HWND window) {
  return waitUntil(
      [&] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
      },
      kReactionLimit);
}

bool movePointer(POINT screen) {
  constexpr std::chrono::milliseconds kResendAfter{100};
  const LONG x = normalized(screen.x, GetSystemMetrics(SM_CXSCREEN));
  const LONG y = normalized(screen.y, GetSystemMetrics(SM_CYSCREEN));
  const auto deadline = std::chrono::steady_clock::now() + kReactionLimit;
  while (std::chrono::steady_clock::now() < deadline) {
    send({mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y)});
    if (waitUntil([&] { return pointerAt(screen); }, kResendAfter)) return true;
  }
  return false;
}

bool click(POINT screen) {
  if (!movePointer(screen)) return false;
  send({mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)});
  return true;
}

bool doubleClick(POINT screen) {
  if (!movePointer(screen)) return false;
  send({mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP),
        mouseInput(MOUSEEVENTF_LEFTDOWN), mouseInput(MOUSEEVENTF_LEFTUP)});
  return true;
}

void sendButton(DWORD flags) {
  send({mouseInput(flags)});
}

void sendKey(WORD virtualKey, bool release) {
  send({keyInput(virtualKey, release)});
}

void pressKey(WORD virtualKey) {
  send({keyInput(virtualKey, false), keyInput(virtualKey, true)});
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

void typeText(std::string_view text) {
  for (const char character : text) {
    const SHORT scan = VkKeyScanW(static_cast<wchar_t>(static_cast<unsigned char>(character)));
    if (scan == kNoKey) continue;
    pressKey(static_cast<WORD>(scan & kLowByteMask));
  }
}

}  // namespace tintwell::e2e
