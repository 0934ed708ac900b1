// Any text reads as a number, never NaN and never undefined behaviour.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fields/number_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (std::isnan(tintwell::readNumber(text))) std::abort();
  return 0;
}
