#pragma once

// The fonts of the layout table, created once each and kept for the life of
// the window (controls hold them through WM_SETFONT).

#include <windows.h>

#include <vector>

#include "shell/layout.h"
#include "win32/handles.h"

namespace tintwell::win32 {

class FontCache {
 public:
  HFONT get(const layout::FontDesign& design, bool underline);

 private:
  struct Entry {
    layout::FontDesign design;
    bool underline;
    Font font;
  };
  std::vector<Entry> entries_;
};

LOGFONTW logFontOf(const layout::FontDesign& design, bool underline);

}  // namespace tintwell::win32
