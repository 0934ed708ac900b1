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
  // The fonts are made for the display's dots per inch. A new DPI makes new
  // fonts; the previous ones are kept until the next change, so that the
  // controls can be given their new fonts before the old ones go.
  void setDpi(int dpi);
  HFONT get(const layout::FontDesign& design, bool underline);

 private:
  struct Entry {
    layout::FontDesign design;
    bool underline;
    Font font;
  };
  int dpi_ = kDesignDpi;
  std::vector<Entry> entries_;
  std::vector<Entry> previous_;
};

LOGFONTW logFontOf(const layout::FontDesign& design, bool underline, int dpi);

}  // namespace tintwell::win32
