#include <cstdint>

#include "shell/frm_color.h"
#include "shell/mod_rigbox_common.h"

namespace tintwell {

namespace {

enum HoverItem : int16_t { kNothingLit = 0, kEnglishFlag, kHungarianFlag, kHomepageLabel };

constexpr PackedColor kHomepageRestColor = 0x555555;
constexpr PackedColor kHomepageLitColor = 0x000000;

// Screen pixels in twips, kept within 32 bits for any position the platform reports.
int32_t toTwips(int32_t pixels) {
  const int64_t twips = static_cast<int64_t>(pixels) * kTwipsPerPixel;
  if (twips > INT32_MAX) return INT32_MAX;
  if (twips < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(twips);
}

}  // namespace

void frmColor::resetHover() {
  iHover = kNothingLit;
  tmrLang().setEnabled(false);
  picture(Control::imgLangENG_hl).setVisible(false);
  picture(Control::imgLangHUN_hl).setVisible(false);
  label(Control::lblHomepage).setForeColor(kHomepageRestColor);
  label(Control::lblHomepage).setFontUnderline(false);
}

void frmColor::lightItem(int16_t item) {
  if (iHover == item) return;
  resetHover();
  iHover = item;
  switch (item) {
    case kEnglishFlag:
      picture(Control::imgLangENG_hl).setVisible(true);
      break;
    case kHungarianFlag:
      picture(Control::imgLangHUN_hl).setVisible(true);
      break;
    default:
      label(Control::lblHomepage).setForeColor(kHomepageLitColor);
      label(Control::lblHomepage).setFontUnderline(true);
      break;
  }
  tmrLang().setEnabled(true);
}

void frmColor::imgLangENG_MouseMove() {
  lightItem(kEnglishFlag);
}
void frmColor::imgLangHUN_MouseMove() {
  lightItem(kHungarianFlag);
}
void frmColor::lblHomepage_MouseMove() {
  lightItem(kHomepageLabel);
}

void frmColor::Form_MouseMove() {
  if (iHover != kNothingLit) resetHover();
}

// The window's outer rectangle includes its title bar and borders; its left
// and top edges count as inside, its right and bottom edges as outside.
void frmColor::tmrLang_Timer() {
  if (iHover <= kNothingLit) return;
  // With no position to compare, keep the highlight until the next tick.
  if (!platform().getCursorPos(ptCursor)) return;
  ptCursor.x = toTwips(ptCursor.x);
  ptCursor.y = toTwips(ptCursor.y);

  const OuterRect window = form().outerRect();
  const double x = ptCursor.x;
  const double y = ptCursor.y;
  const double left = window.left;
  const double top = window.top;
  const bool outside = x < left || x >= left + static_cast<double>(window.width) || y < top ||
                       y >= top + static_cast<double>(window.height);
  if (outside) resetHover();
}

void frmColor::lblHomepage_Click() {
  OpenHomePage(platform());
}

}  // namespace tintwell
