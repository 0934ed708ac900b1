#include "shell/language.h"

#include <array>
#include <string>

#include "shell/frm_color.h"
#include "shell/mod_rigbox_common.h"

namespace tintwell {

namespace {

constexpr Captions kEnglish = {
    .title = "Tintwell",
    .qualities = {"High", "Medium", "Low"},
    .pasteColor = "Paste color",
};

constexpr Captions kHungarian = {
    .title = "Tintwell",
    .qualities = {"Magas", "K\u00f6zepes", "Alacsony"},
    .pasteColor = "Sz\u00edn beilleszt\u00e9se",
};

}  // namespace

const Captions& captionsFor(int32_t code) {
  return code != kLanguageHungarian ? kEnglish : kHungarian;
}

std::string_view captionIn(const layout::ControlDesign& design, int32_t code) {
  return code != kLanguageHungarian ? design.captions.english : design.captions.hungarian;
}

// The quality index is held across the rebuild of the list, so a switch keeps
// the user's choice.
void frmColor::applyLanguage(int32_t code) {
  iLanguage = code;
  const int heldIndex = cmbQuality().listIndex();
  cmbQuality().clear();

  const Captions& captions = captionsFor(iLanguage);
  form().setCaption(captions.title);
  for (const layout::ControlDesign& design : layout::controls()) {
    if (!design.captions.english.empty()) {
      label(design.id).setCaption(std::string(captionIn(design, iLanguage)));
    }
  }
  for (const char* quality : captions.qualities) cmbQuality().addItem(quality);

  cmbQuality().setListIndex(heldIndex);
  label(Control::lblTitle).setCaption(form().caption());
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
