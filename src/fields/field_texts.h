#pragma once

#include <string>

#include "core/colour_state.h"

namespace tintwell {

enum FieldIndex : int16_t {
  kHueField = 0,
  kSaturationField,
  kBrightnessField,
  kRedField,
  kGreenField,
  kBlueField,
  kHexField,
  kColorNumberField
};

// The text a value field shows for the colour; the RGB fields read the
// channel copies, so those must be derived first.
std::string fieldText(int16_t index, const ColourState& colour);

}  // namespace tintwell
