#pragma once

#include <string>

#include "core/color_state.h"
#include "core/vocabulary.h"

namespace tintwell {

// The text a value field shows for the colour; the RGB fields read the
// channel copies, so those must be derived first.
std::string fieldText(int16_t index, const ColorState& color);

}  // namespace tintwell
