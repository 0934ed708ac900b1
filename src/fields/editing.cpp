#include <array>

#include "core/mod_color.h"
#include "core/rounding.h"
#include "fields/guard_held_false.h"
#include "fields/hex_reading.h"
#include "fields/number_reading.h"
#include "shell/frm_color.h"

namespace tintwell {

namespace {

template <typename Number>
struct FieldLimit {
  Number value;
  const char* text;  // what the field shows at the limit
};

template <typename Number>
struct FieldRange {
  FieldLimit<Number> low;
  FieldLimit<Number> high;
};

constexpr FieldRange<double> kHueRange{{0.0, "0"}, {kFullCircle, "360"}};
constexpr FieldRange<double> kShareRange{{0.0, "0"}, {1.0, "100"}};
constexpr FieldRange<int16_t> kChannelRange{{0, "0"}, {static_cast<int16_t>(kChannelMax), "255"}};
constexpr FieldRange<int32_t> kColorNumberRange{{0, "0"}, {kColorNumberMax, "16777215"}};

// An out-of-range value takes its limit and the field the limit's text, with
// the caret left where the user had it. True when the field was corrected.
template <typename Number>
bool keepInRange(TextField& field, Number& value, const FieldRange<Number>& range) {
  const FieldLimit<Number>* limit = nullptr;
  if (value < range.low.value) limit = &range.low;
  if (value > range.high.value) limit = &range.high;
  if (limit == nullptr) return false;
  value = limit->value;
  const int caret = field.selStart();
  field.setText(limit->text);
  field.setSelStart(caret);
  return true;
}

}  // namespace

void frmColor::txtInp_GotFocus(int16_t) {
  bInpFocus = true;
}

void frmColor::txtInp_LostFocus(int16_t) {
  bInpFocus = false;
}

void frmColor::txtInp_Change(int16_t index) {
  if (!bInpFocus || index < 0 || index >= kFieldCount) return;

  if (index <= kBrightnessField) {
    takeHsvFields();
  } else if (index <= kBlueField) {
    takeRgbFields();
  } else if (index == kHexField) {
    takeHexField();
  } else if (takeColorNumberField() == Handled::nested) {
    return;
  }

  refreshInputs(index);
  drawVertical();
  drawMatrix(true);
}

// All three are read, whichever was edited, and stored as read.
void frmColor::takeHsvFields() {
  const GuardHeldFalse corrections(bInpFocus);  // the corrections are not typing
  dHue = readNumber(txtInp(kHueField).text());
  dSat = readNumber(txtInp(kSaturationField).text()) / kPercent;
  dVal = readNumber(txtInp(kBrightnessField).text()) / kPercent;
  keepInRange(txtInp(kHueField), dHue, kHueRange);
  keepInRange(txtInp(kSaturationField), dSat, kShareRange);
  keepInRange(txtInp(kBrightnessField), dVal, kShareRange);
}

void frmColor::takeRgbFields() {
  std::array<int16_t, 3> channels{};
  {
    const GuardHeldFalse corrections(bInpFocus);
    for (size_t channel = 0; channel < channels.size(); ++channel) {
      TextField& field = txtInp(kRedField + static_cast<int>(channel));
      // Numbers beyond 16 bits saturate, then take the channel's limit.
      channels[channel] = nearestInt16(readNumber(field.text()));
      keepInRange(field, channels[channel], kChannelRange);
    }
  }
  convRGB2HSV(channels[0], channels[1], channels[2]);
}

void frmColor::takeHexField() {
  const HexChannels color = readHexColor(txtInp(kHexField).text());
  convRGB2HSV(color.red, color.green, color.blue);
}

// The guard stays on: the corrected text is handled once more, nested, and
// being in range it is not corrected again. That handling applies the colour
// in full, and events queued behind it may have run in its refresh and set
// another colour since: going on here would write the corrected colour over
// theirs, in every field but this one.
frmColor::Handled frmColor::takeColorNumberField() {
  int32_t number = nearestInt32(readNumber(txtInp(kColorNumberField).text()));
  if (keepInRange(txtInp(kColorNumberField), number, kColorNumberRange)) return Handled::nested;
  const auto color = static_cast<PackedColor>(number);
  convRGB2HSV(redOf(color), greenOf(color), blueOf(color));
  return Handled::here;
}

}  // namespace tintwell
