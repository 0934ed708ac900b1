#include "held_input.h"

#include "input.h"

namespace tintwell::e2e {

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
