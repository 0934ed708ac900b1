#pragma once

// The platform services the main window asks for: pointer, one screen
// pixel, the shell, the registry and the clipboard.

#include <windows.h>

#include "shell/ports.h"
#include "win32/clipboard.h"

namespace tintwell::win32 {

// SHIFT, CTRL and ALT as the handlers' shift argument has them, held now.
int16_t modifierMask();
// Whether any mouse button is held now.
bool mouseButtonHeld();

// The key a port's key stands for: the root token maps to the predefined key,
// any other is the handle itself.
HKEY toHkey(RegistryKey key);

// advapi32, with UTF-8 key paths and value names handed over in the ANSI code page.
class Win32Registry : public Registry {
 public:
  int32_t openKey(RegistryKey root, const std::string& path, uint32_t access,
                  RegistryKey& key) override;
  int32_t queryValue(RegistryKey key, const std::string& name, uint8_t* data,
                     uint32_t& size) override;
  int32_t createKey(RegistryKey root, const std::string& path, uint32_t access,
                    RegistryKey& key) override;
  int32_t setValue(RegistryKey key, const std::string& name, uint32_t type, const uint8_t* data,
                   uint32_t size) override;
  int32_t closeKey(RegistryKey key) override;
};

class Win32Platform : public Platform {
 public:
  // The window the shell's requests belong to.
  void setOwner(HWND owner) {
    owner_ = owner;
    clipboard_.setOwner(owner);
  }

  bool getCursorPos(Point& point) override;
  PackedColor readScreenPixel(int32_t x, int32_t y) override;
  void shellExecute(const ShellRequest& request) override;
  Registry& registry() override { return registry_; }
  Clipboard& clipboard() override { return clipboard_; }

 private:
  HWND owner_ = nullptr;
  Win32Registry registry_;
  Win32Clipboard clipboard_;
};

}  // namespace tintwell::win32
