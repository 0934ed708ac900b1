#include "tick_count.h"

namespace tintwell::bench {

namespace {
constexpr const wchar_t* kMappingName = L"TintwellFloorTicks";
}

TickCount::TickCount(Side side) {
  mapping_ = win32::KernelHandle(
      side == Side::floor ? CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                               sizeof(Shared), kMappingName)
                          : OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, kMappingName));
  if (!mapping_) return;
  view_ = View(MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Shared)));
  shared_ = static_cast<volatile Shared*>(view_.get());
}

}  // namespace tintwell::bench
