#pragma once

// The system clipboard's Unicode text. It is opened for one call at a time
// and closed again before the call returns.

#include <windows.h>

#include "shell/ports.h"

namespace tintwell::win32 {

class Win32Clipboard final : public Clipboard {
 public:
  // The window that owns what it puts there.
  void setOwner(HWND owner) { owner_ = owner; }

  std::optional<std::string> text() override;
  bool setText(const std::string& text) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace tintwell::win32
