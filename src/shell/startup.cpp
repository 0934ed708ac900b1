#include "shell/frm_color.h"
#include "shell/mod_registry_common.h"
#include "shell/mod_rigbox_common.h"
#include "shell/version.h"

namespace tintwell {

namespace {
constexpr double kInitialHue = 360.0;  // red, but shown as 360 rather than 0
constexpr int kFlagMargin = 3;
}  // namespace

void frmColor::Form_Load() {
  dHue = kInitialHue;
  dSat = 1.0;
  dVal = 1.0;

  // Both flags are placed by the English flag's width; they are equally wide.
  const float innerWidth = static_cast<float>(form().scaleWidth());
  const float flagWidth = static_cast<float>(picture(Control::imgLangENG).width());
  picture(Control::imgLangHUN).setLeft(static_cast<int>(innerWidth - kFlagMargin - flagWidth));
  picture(Control::imgLangENG)
      .setLeft(static_cast<int>(innerWidth - 2 * kFlagMargin - 2 * flagWidth));

  label(Control::lblVersion).setCaption(versionText());

  applyLanguage(ReadLanguage(platform().registry()));
  // The list has its entries only once the captions are applied.
  const int32_t quality =
      ReadAppSetting(platform().registry(), kQualitySubKey, kQualityValueName, kHighQuality);
  cmbQuality().setListIndex(
      static_cast<int16_t>(MathClampLng3(kHighQuality, kLowQuality, quality)));

  refreshInputs(kNoField);
  bInpFocus = false;
  drawVertical();
  drawMatrix(true);

  picture(Control::imgLangHUN_hl).setLeft(picture(Control::imgLangHUN).left());
  picture(Control::imgLangHUN_hl).setTop(picture(Control::imgLangHUN).top());
  picture(Control::imgLangENG_hl).setLeft(picture(Control::imgLangENG).left());
  picture(Control::imgLangENG_hl).setTop(picture(Control::imgLangENG).top());
  resetHover();
}

void frmColor::Form_Unload() {
  const int16_t index = static_cast<int16_t>(cmbQuality().listIndex());
  WriteAppSetting(platform().registry(), kQualitySubKey, kQualityValueName, index);
}

}  // namespace tintwell
