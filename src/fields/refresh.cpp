#include <array>

#include "core/mod_color.h"
#include "fields/field_texts.h"
#include "fields/guard_held_false.h"
#include "shell/frm_color.h"

namespace tintwell {

namespace {

// The colour number is written before the hex code: that is the window's
// order, and each write's change event makes it observable.
constexpr std::array<int16_t, kFieldCount> kWriteOrder = {
    kHueField,   kSaturationField, kBrightnessField,  kRedField,
    kGreenField, kBlueField,       kColorNumberField, kHexField};

// One column of pixel writes, then block copies that double the filled width
// until the last one copies just the remainder. Copies past the edge clip.
void paintSwatch(Surface& swatch, PackedColor color) {
  PixelImage& image = swatch.image();
  const int drawableHeight = swatch.scaleHeight();
  for (int y = 0; y <= drawableHeight; ++y) image.setPixel(0, y, color);

  const int width = swatch.width();
  const int height = swatch.height();
  int filled = 1;
  int copyWidth = 2;
  do {
    if (filled == 1) {
      image.copyRect(1, 0, 1, height, 0, 0);
      filled = 2;
    } else {
      filled *= 2;
      copyWidth = width < 2 * filled ? width - filled : filled;
    }
    image.copyRect(filled, 0, copyWidth, height, 0, 0);
  } while (width > 2 * filled);
  swatch.refresh();
}

}  // namespace

void frmColor::refreshInputs(int16_t skipIndex) {
  lCurColor = static_cast<int32_t>(convHSV2RGB(dHue, dSat, dVal));
  {
    const GuardHeldFalse programWrites(bInpFocus);

    const auto color = static_cast<PackedColor>(lCurColor);
    if (swatchPainted_ != color) {
      paintSwatch(imgCurColor(), color);
      swatchPainted_ = color;
    }
    iRed = static_cast<int16_t>(redOf(color));
    iGreen = static_cast<int16_t>(greenOf(color));
    iBlue = static_cast<int16_t>(blueOf(color));

    for (const int16_t index : kWriteOrder) {
      if (index != skipIndex) txtInp(index).setText(fieldText(index, *this));
    }
  }
  // Queued input and ticks may run here, with the guard already restored.
  form().doEvents();
}

}  // namespace tintwell
