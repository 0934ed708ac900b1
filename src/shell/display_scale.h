#pragma once

// The window is designed in pixels at 96 dots per inch. At another DPI each
// designed coordinate maps to a physical one on its own, so designed edges
// that meet still meet and nothing drifts; the inverse takes a physical pixel
// back to the designed pixel whose block contains it.

#include "core/vocabulary.h"

namespace tintwell {

struct Box {  // edges; right and bottom lie just outside
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
};

class DisplayScale {
 public:
  // A DPI below 1 is taken as the designed one.
  explicit DisplayScale(int dpi);

  int dpi() const { return dpi_; }
  bool isDesigned() const { return dpi_ == kDesignDpi; }

  int toPhysical(int designed) const;
  Box toPhysical(const Box& designed) const;
  // The designed coordinate whose physical block [toPhysical(x), toPhysical(x + 1))
  // holds the physical one.
  int toDesigned(int physical) const;

 private:
  int dpi_;
};

}  // namespace tintwell
