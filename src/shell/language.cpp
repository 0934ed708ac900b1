#include "shell/language.h"

#include <array>

#include "shell/frm_color.h"
#include "shell/mod_rigbox_common.h"

namespace tintwell {

namespace {

constexpr Captions kEnglish = {
    .title = "Tintwell",
    .samplingHint = "press or hold SHIFT key to get color from below the cursor",
    .qualityLabel = "Render quality:",
    .qualities = {"High", "Medium", "Low"},
    .pasteColor = "Paste color",
};

constexpr Captions kHungarian = {
    .title = "Tintwell",
    .samplingHint =
        "a SHIFT gomb nyomvatart\u00e1sa mellett vehet\u0151 sz\u00ednminta a k\u00e9perny\u0151 "
        "b\u00e1rmely pontj\u00e1r\u00f3l",
    .qualityLabel = "Rajzol\u00e1si min\u0151s\u00e9g:",
    .qualities = {"Magas", "K\u00f6zepes", "Alacsony"},
    .pasteColor = "Sz\u00edn beilleszt\u00e9se",
};

}  // namespace

const Captions& captionsFor(int32_t code) {
  return code != kLanguageHungarian ? kEnglish : kHungarian;
}

// The quality index is held across the rebuild of the list, so a switch keeps
// the user's choice.
void frmColor::applyLanguage(int32_t code) {
  iLanguage = code;
  const int heldIndex = cmbQuality().listIndex();
  cmbQuality().clear();

  const Captions& captions = captionsFor(iLanguage);
  form().setCaption(captions.title);
  lblTintwell().setCaption(captions.samplingHint);
  lblQuality().setCaption(captions.qualityLabel);
  for (const char* quality : captions.qualities) cmbQuality().addItem(quality);

  cmbQuality().setListIndex(heldIndex);
  lblTitle().setCaption(form().caption());
}

void frmColor::imgLangENG_hl_Click() {
  WriteLanguage(platform().registry(), kLanguageEnglish);
  applyLanguage(kLanguageEnglish);
}

void frmColor::imgLangHUN_hl_Click() {
  WriteLanguage(platform().registry(), kLanguageHungarian);
  applyLanguage(kLanguageHungarian);
}

}  // namespace tintwell
