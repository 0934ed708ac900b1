#pragma once

#include <cstdint>
#include <string>

namespace tintwell {

struct HexChannels {
  int16_t red = 0;
  int16_t green = 0;
  int16_t blue = 0;
};

// A typed hex code, rrggbb aligned to the right: missing leading digits, and
// any character that is not a hex digit, count as 0. Only the first six
// characters are read.
HexChannels readHexColor(const std::string& text);

}  // namespace tintwell
