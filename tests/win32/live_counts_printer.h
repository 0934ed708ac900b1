#pragma once

// How a failed comparison of live handle counts reads; kept out of the
// program, which would otherwise link the whole stream library for it.

#include <ostream>

#include "win32/handles.h"

namespace tintwell::win32 {

inline void PrintTo(const LiveCounts& counts, std::ostream* out) {
  *out << "window DCs " << counts.windowDcs << ", paint DCs " << counts.paintDcs << ", memory DCs "
       << counts.memoryDcs << ", bitmaps " << counts.bitmaps << ", fonts " << counts.fonts
       << ", brushes " << counts.brushes << ", selections " << counts.selections;
}

}  // namespace tintwell::win32
