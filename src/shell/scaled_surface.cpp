#include "shell/scaled_surface.h"

#include <algorithm>

namespace tintwell {

ScaledSurface::ScaledSurface(const DisplayScale& scale, const Box& inner)
    : scale_(scale), inner_(inner), physical_(scale.toPhysical(inner)) {
  columns_.resize(static_cast<size_t>(std::max(0, width())));
  rows_.resize(static_cast<size_t>(std::max(0, height())));
  for (size_t x = 0; x < columns_.size(); ++x) columns_[x] = designedX(static_cast<int>(x));
  for (size_t y = 0; y < rows_.size(); ++y) rows_[y] = designedY(static_cast<int>(y));
  bits_.resize(columns_.size() * rows_.size());
}

int ScaledSurface::designedX(int physicalX) const {
  return scale_.toDesigned(physical_.left + physicalX) - inner_.left;
}

int ScaledSurface::designedY(int physicalY) const {
  return scale_.toDesigned(physical_.top + physicalY) - inner_.top;
}

// Row by row: a physical row of the same designed row as the one above is a
// copy of it.
const std::vector<uint32_t>& ScaledSurface::present(const PixelImage& image) {
  if (image.width() != inner_.right - inner_.left || image.height() != inner_.bottom - inner_.top) {
    return bits_;
  }
  const size_t width = columns_.size();
  const uint32_t* source = image.dibBits();
  const auto sourceWidth = static_cast<size_t>(image.width());
  for (size_t y = 0; y < rows_.size(); ++y) {
    uint32_t* row = bits_.data() + y * width;
    if (y > 0 && rows_[y] == rows_[y - 1]) {
      std::copy_n(row - width, width, row);
      continue;
    }
    const uint32_t* from = source + static_cast<size_t>(rows_[y]) * sourceWidth;
    for (size_t x = 0; x < width; ++x) row[x] = from[columns_[x]];
  }
  return bits_;
}

}  // namespace tintwell
