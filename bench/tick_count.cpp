#include "tick_count.h"

namespace tintwell::bench {

namespace {
constexpr const wchar_t* kMappingName = L"TintwellFloorTicks";
}

TickCount::TickCount(Side side) {
  mapping_ = win32::KernelHandle(
      side == Side::floor ? CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                               sizeof(LONG), kMappingName)
                          : OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kMappingName));
  if (!mapping_) return;
  view_ = View(MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG)));
  count_ = static_cast<volatile LONG*>(view_.get());
}

}  // namespace tintwell::bench
