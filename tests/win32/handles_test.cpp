#include <gtest/gtest.h>

#include <utility>

#include "win32/handles.h"
#include "win32/live_counts_printer.h"
#include "win32/platform.h"

namespace tintwell::win32 {
namespace {

TEST(Win32Handles, AThousandScreenReadsLeaveNothingLive) {
  constexpr int kReads = 1000;
  Win32Platform platform;
  const LiveCounts before;
  for (int read = 0; read < kReads; ++read) platform.readScreenPixel(read % 7, read % 5);
  EXPECT_EQ(LiveCounts{}, before);
}

TEST(Win32Handles, AMovedBitmapIsDeletedOnceByItsNewOwner) {
  const int before = Bitmap::liveCount();
  const WindowDc screen(nullptr, WindowDc::Area::client);
  {
    Bitmap first(CreateCompatibleBitmap(screen.get(), 2, 2));
    ASSERT_NE(first.get(), nullptr);
    const HBITMAP handle = first.get();
    EXPECT_EQ(Bitmap::liveCount(), before + 1);
    Bitmap second(std::move(first));
    EXPECT_EQ(first.get(), nullptr);
    EXPECT_EQ(second.get(), handle);
    EXPECT_EQ(Bitmap::liveCount(), before + 1);
    Bitmap third;
    third = std::move(second);
    EXPECT_EQ(third.get(), handle);
    EXPECT_EQ(Bitmap::liveCount(), before + 1);
  }
  EXPECT_EQ(Bitmap::liveCount(), before);
}

TEST(Win32Handles, ASelectionPutsThePreviousObjectBack) {
  const WindowDc screen(nullptr, WindowDc::Area::client);
  const MemoryDc memory(screen.get());
  const HGDIOBJ original = GetCurrentObject(memory.get(), OBJ_BITMAP);
  const Bitmap bitmap(CreateCompatibleBitmap(screen.get(), 1, 1));
  {
    const SelectedObject selected(memory.get(), bitmap.get());
    EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), bitmap.get());
  }
  EXPECT_EQ(GetCurrentObject(memory.get(), OBJ_BITMAP), original);
}

TEST(Win32Handles, AFailedAcquisitionCountsNothing) {
  const int before = SelectedObject::liveCount();
  { const SelectedObject nothing(nullptr, nullptr); }
  EXPECT_EQ(SelectedObject::liveCount(), before);
}

}  // namespace
}  // namespace tintwell::win32
