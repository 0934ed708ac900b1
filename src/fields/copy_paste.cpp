#include "fields/color_forms.h"
#include "shell/frm_color.h"
#include "shell/language.h"

namespace tintwell {

SwatchMenu frmColor::swatchMenu() {
  SwatchMenu menu;
  menu.forms = colorFormTexts(*this);
  menu.pasteCaption = captionsFor(iLanguage).pasteColor;
  const std::optional<std::string> text = platform().clipboard().text();
  menu.pasteEnabled = text && readPastedColor(*text);
  return menu;
}

// A clipboard held open by another program keeps what it had.
void frmColor::copyText(const std::string& text) {
  platform().clipboard().setText(text);
}

void frmColor::copyColor() {
  copyText(colorFormTexts(*this)[kHashHexForm]);
}

// A pasted colour goes the road of a screen sample; any other text changes nothing.
void frmColor::pasteColor() {
  const std::optional<std::string> text = platform().clipboard().text();
  if (!text) return;
  const std::optional<HexChannels> color = readPastedColor(*text);
  if (!color) return;
  convRGB2HSV(color->red, color->green, color->blue);
  refreshInputs(kNoField);
  drawVertical();
  drawMatrix(true);
}

}  // namespace tintwell
