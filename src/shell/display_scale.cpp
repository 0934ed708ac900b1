#include "shell/display_scale.h"

#include <cstdint>

namespace tintwell {

namespace {

// Division rounding towards minus infinity, so that the mapping is the same
// on both sides of the origin (a captured drag goes negative).
int64_t floorDivide(int64_t dividend, int64_t divisor) {
  const int64_t quotient = dividend / divisor;
  return (dividend % divisor != 0 && (dividend < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

}  // namespace

DisplayScale::DisplayScale(int dpi) : dpi_(dpi >= 1 ? dpi : kDesignDpi) {}

// Nearest, halves up: designed * dpi / 96 in integers, exact at every DPI.
int DisplayScale::toPhysical(int designed) const {
  const int64_t scaled = int64_t{designed} * dpi_;
  return static_cast<int>(floorDivide(2 * scaled + kDesignDpi, 2 * kDesignDpi));
}

Box DisplayScale::toPhysical(const Box& designed) const {
  return {toPhysical(designed.left), toPhysical(designed.top), toPhysical(designed.right),
          toPhysical(designed.bottom)};
}

// toPhysical(x) <= p  <=>  x * dpi < 96 * p + 48, so the largest such x is
// floor((96 * p + 47) / dpi).
int DisplayScale::toDesigned(int physical) const {
  const int64_t limit = int64_t{kDesignDpi} * physical + kDesignDpi / 2 - 1;
  return static_cast<int>(floorDivide(limit, dpi_));
}

}  // namespace tintwell
