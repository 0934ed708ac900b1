#include "win32/fonts.h"

#include <cwchar>
#include <utility>

#include "win32/dpi.h"

namespace tintwell::win32 {

namespace {

bool sameDesign(const layout::FontDesign& a, const layout::FontDesign& b) {
  return a.face == b.face && a.hundredthsOfPoint == b.hundredthsOfPoint && a.bold == b.bold &&
         a.charset == b.charset;
}

}  // namespace

// The family bits let a system without the face (Wine) pick a metric
// compatible substitute instead of any font at all.
LOGFONTW logFontOf(const layout::FontDesign& design, bool underline, int dpi) {
  LOGFONTW font{};
  if (design.face == layout::FontFace::defaultGui) {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    const int madeFor = systemDpi();
    if (dpi != madeFor) font.lfHeight = MulDiv(font.lfHeight, dpi, madeFor);
  } else {
    const bool serif = design.face == layout::FontFace::georgia;
    font.lfHeight = -layout::fontPixelHeight(design, dpi);
    font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = static_cast<BYTE>(design.charset);
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = static_cast<BYTE>(VARIABLE_PITCH | (serif ? FF_ROMAN : FF_SWISS));
    std::wcsncpy(font.lfFaceName, serif ? L"Georgia" : L"Arial", LF_FACESIZE - 1);
  }
  font.lfUnderline = underline ? TRUE : FALSE;
  return font;
}

void FontCache::setDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  previous_ = std::exchange(entries_, {});
}

HFONT FontCache::get(const layout::FontDesign& design, bool underline) {
  for (const Entry& entry : entries_) {
    if (entry.underline == underline && sameDesign(entry.design, design)) return entry.font.get();
  }
  const LOGFONTW logFont = logFontOf(design, underline, dpi_);
  entries_.push_back(Entry{design, underline, Font(CreateFontIndirectW(&logFont))});
  return entries_.back().font.get();
}

}  // namespace tintwell::win32
