#pragma once

// A drawing surface's image, kept in designed pixels, as a display of another
// scale shows it: each designed pixel a block of whole physical pixels, its
// edges where the display scale puts the designed pixel's edges. No blending
// across pixels, so a press on any physical pixel finds the designed pixel
// drawn there.

#include <cstdint>
#include <vector>

#include "core/pixel_image.h"
#include "shell/display_scale.h"

namespace tintwell {

class ScaledSurface {
 public:
  // inner: the surface's drawing area, designed window coordinates.
  ScaledSurface(const DisplayScale& scale, const Box& inner);

  // The drawing area on the display, window coordinates.
  const Box& physical() const { return physical_; }
  int width() const { return physical_.right - physical_.left; }
  int height() const { return physical_.bottom - physical_.top; }

  // A physical position relative to the drawing area, inside it or beyond
  // (a captured drag), to the designed one relative to it.
  int designedX(int physicalX) const;
  int designedY(int physicalY) const;

  // The image's pixels at the display's scale, a top-down 32-bit DIB as
  // PixelImage keeps them; the image must have the drawing area's designed size.
  const std::vector<uint32_t>& present(const PixelImage& image);

 private:
  DisplayScale scale_;
  Box inner_;
  Box physical_;
  std::vector<int> columns_;  // the designed column of each physical one
  std::vector<int> rows_;
  std::vector<uint32_t> bits_;
};

}  // namespace tintwell
