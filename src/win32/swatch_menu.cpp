#include "win32/swatch_menu.h"

#include <string>
#include <utility>

#include "win32/handles.h"
#include "win32/text.h"

namespace tintwell::win32 {

namespace {

using MenuHandle = UniqueHandle<HMENU, DestroyMenu>;

// TrackPopupMenu returns 0 for no choice, so the items count from 1.
constexpr UINT_PTR kFirstItemId = 1;
constexpr LPARAM kKeyReleased = 0x80000000;  // the keystroke flags' transition bit

thread_local const MenuKeyPreview* menuPreview = nullptr;

// The menu's loop takes the keys from the queue itself, past the message
// loop's preview; a SHIFT let go while the menu is open must still end sampling.
LRESULT CALLBACK previewMenuKey(int code, WPARAM key, LPARAM flags) {
  if (code == HC_ACTION && menuPreview != nullptr) {
    MSG message{};
    message.hwnd = GetFocus();
    message.message = (flags & kKeyReleased) != 0 ? WM_KEYUP : WM_KEYDOWN;
    message.wParam = key;
    message.lParam = flags;
    (*menuPreview)(message);
  }
  return CallNextHookEx(nullptr, code, key, flags);
}

// This thread's keyboard hook, from SetWindowsHookEx to UnhookWindowsHookEx.
class MenuKeyHook {
 public:
  explicit MenuKeyHook(const MenuKeyPreview& preview)
      : previous_(std::exchange(menuPreview, &preview)),
        hook_(SetWindowsHookExW(WH_KEYBOARD, &previewMenuKey, nullptr, GetCurrentThreadId())) {}
  ~MenuKeyHook() {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    menuPreview = previous_;
  }
  MenuKeyHook(const MenuKeyHook&) = delete;
  MenuKeyHook& operator=(const MenuKeyHook&) = delete;

 private:
  const MenuKeyPreview* previous_;
  HHOOK hook_;
};

void appendItem(HMENU menu, UINT flags, int choice, const std::string& text) {
  AppendMenuW(menu, MF_STRING | flags, kFirstItemId + static_cast<UINT_PTR>(choice),
              toWide(text).c_str());
}

}  // namespace

std::optional<int> chooseFromSwatchMenu(HWND owner, POINT at, const SwatchMenu& menu,
                                        const MenuKeyPreview& preview) {
  const MenuHandle popup(CreatePopupMenu());
  if (!popup) return std::nullopt;
  for (int form = 0; form < kColorFormCount; ++form) {
    appendItem(popup.get(), 0, form, menu.forms.at(static_cast<size_t>(form)));
  }
  AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
  appendItem(popup.get(), menu.pasteEnabled ? 0 : MF_GRAYED, kPasteItem, menu.pasteCaption);

  const MenuKeyHook keys(preview);
  const BOOL chosen =
      TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                     at.x, at.y, 0, owner, nullptr);
  if (chosen <= 0) return std::nullopt;
  return static_cast<int>(static_cast<UINT_PTR>(chosen) - kFirstItemId);
}

}  // namespace tintwell::win32
