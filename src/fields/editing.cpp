#include <array>
#include <string>

#include "core/mod_color.h"
#include "core/rounding.h"
#include "fields/field_texts.h"
#include "fields/hex_reading.h"
#include "fields/number_reading.h"
#include "shell/frm_color.h"

namespace tintwell {

namespace {

constexpr auto kLargestChannel = static_cast<int16_t>(kChannelMax);

}  // namespace

void frmColor::txtInp_GotFocus(int16_t) {
  bInpFocus = true;
}

void frmColor::txtInp_LostFocus(int16_t) {
  bInpFocus = false;
}

void frmColor::correctField(int index, const std::string& limitText) {
  TextField& field = txtInp(index);
  const int caret = field.selStart();
  field.setText(limitText);
  field.setSelStart(caret);
}

void frmColor::txtInp_Change(int16_t index) {
  if (!bInpFocus || index < 0 || index >= kFieldCount) return;

  if (index <= kBrightnessField) {
    bInpFocus = false;  // the corrections below are not typing
    dHue = readNumber(txtInp(kHueField).text());
    dSat = readNumber(txtInp(kSaturationField).text()) / kPercent;
    dVal = readNumber(txtInp(kBrightnessField).text()) / kPercent;
    if (dHue < 0.0) {
      dHue = 0.0;
      correctField(kHueField, "0");
    }
    if (dHue > kFullCircle) {
      dHue = kFullCircle;
      correctField(kHueField, "360");
    }
    if (dSat < 0.0) {
      dSat = 0.0;
      correctField(kSaturationField, "0");
    }
    if (dSat > 1.0) {
      dSat = 1.0;
      correctField(kSaturationField, "100");
    }
    if (dVal < 0.0) {
      dVal = 0.0;
      correctField(kBrightnessField, "0");
    }
    if (dVal > 1.0) {
      dVal = 1.0;
      correctField(kBrightnessField, "100");
    }
    bInpFocus = true;
  } else if (index <= kBlueField) {
    bInpFocus = false;
    std::array<int16_t, 3> channels{};
    for (int16_t channel = 0; channel < 3; ++channel) {
      const int16_t field = static_cast<int16_t>(kRedField + channel);
      // Numbers beyond 16 bits saturate, then take the channel's limit below.
      int16_t value = nearestInt16(readNumber(txtInp(field).text()));
      if (value < 0) {
        value = 0;
        correctField(field, "0");
      }
      if (value > kLargestChannel) {
        value = kLargestChannel;
        correctField(field, "255");
      }
      channels[static_cast<size_t>(channel)] = value;
    }
    bInpFocus = true;
    convRGB2HSV(channels[0], channels[1], channels[2]);
  } else if (index == kHexField) {
    const HexChannels color = readHexColor(txtInp(kHexField).text());
    convRGB2HSV(color.red, color.green, color.blue);
  } else {
    // The guard stays on: the corrected text is read once more, nested, and
    // being in range it is not corrected again.
    int32_t number = nearestInt32(readNumber(txtInp(kColorNumberField).text()));
    if (number > kColorNumberMax) {
      number = kColorNumberMax;
      correctField(kColorNumberField, "16777215");
    } else if (number < 0) {
      number = 0;
      correctField(kColorNumberField, "0");
    }
    const auto color = static_cast<PackedColor>(number);
    convRGB2HSV(redOf(color), greenOf(color), blueOf(color));
  }

  refreshInputs(index);
  drawVertical();
  drawMatrix(true);
}

}  // namespace tintwell
