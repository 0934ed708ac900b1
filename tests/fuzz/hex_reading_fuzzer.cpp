// Any text reads as a hex code with every channel in 0..255.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fields/hex_reading.h"

namespace {

bool isChannel(int16_t value) {
  return value >= 0 && value <= 255;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const tintwell::HexChannels read = tintwell::readHexColor(text);
  if (!isChannel(read.red) || !isChannel(read.green) || !isChannel(read.blue)) std::abort();
  return 0;
}
