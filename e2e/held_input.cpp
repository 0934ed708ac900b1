#include "held_input.h"

namespace tintwell::e2e {

namespace {

void sendKey(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

void sendButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

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

}  // namespace tintwell::e2e
