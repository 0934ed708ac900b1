#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/packed_color.h"
#include "win32/gui_objects.h"
#include "win32/handles.h"
#include "win32/live_counts_printer.h"
#include "win32/platform.h"

namespace tintwell::win32 {
namespace {

// Wine runs out of GDI handles near 65,536 objects in a process: a read that
// leaked a single context or bitmap would fail before the end.
constexpr int kStressReads = 70'000;
constexpr int kCountedReads = 1'000;
constexpr PackedColor kKnownColor = packRgb(18, 154, 92);
constexpr int kSpotLeft = 40;
constexpr int kSpotTop = 40;
constexpr int kSpotSize = 24;
constexpr std::chrono::milliseconds kShowLimit{10'000};
constexpr std::chrono::milliseconds kShowPoll{20};

// A topmost, never activated square of a known colour, so that a read has a
// pixel to prove it still works.
class KnownSpot {
 public:
  KnownSpot() : brush_(CreateSolidBrush(kKnownColor)) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = brush_.get();
    windowClass.lpszClassName = kClassName;
    registered_ = RegisterClassW(&windowClass) != 0;
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, kClassName, L"",
                              WS_POPUP | WS_VISIBLE, kSpotLeft, kSpotTop, kSpotSize, kSpotSize,
                              nullptr, nullptr, windowClass.hInstance, nullptr);
  }
  KnownSpot(const KnownSpot&) = delete;
  KnownSpot& operator=(const KnownSpot&) = delete;
  ~KnownSpot() {
    if (window_ != nullptr) DestroyWindow(window_);
    if (registered_) UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
  }

  // Pumps the window's messages until the screen shows it.
  bool shownTo(Win32Platform& platform) const {
    const auto deadline = std::chrono::steady_clock::now() + kShowLimit;
    while (std::chrono::steady_clock::now() < deadline) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
      if (platform.readScreenPixel(centreX(), centreY()) == kKnownColor) return true;
      std::this_thread::sleep_for(kShowPoll);
    }
    return false;
  }
  static int centreX() { return kSpotLeft + kSpotSize / 2; }
  static int centreY() { return kSpotTop + kSpotSize / 2; }

 private:
  static constexpr const wchar_t* kClassName = L"TintwellKnownSpot";
  Brush brush_;
  bool registered_ = false;
  HWND window_ = nullptr;
};

TEST(Win32ScreenReadStress, SeventyThousandReadsLeaveNothingLiveAndStillRead) {
  Win32Platform platform;
  const KnownSpot spot;
  ASSERT_TRUE(spot.shownTo(platform)) << "the known colour never reached the screen";
  const LiveCounts before;
  for (int read = 0; read < kStressReads; ++read) {
    platform.readScreenPixel(KnownSpot::centreX(), KnownSpot::centreY());
  }
  EXPECT_EQ(LiveCounts{}, before);
  EXPECT_EQ(platform.readScreenPixel(KnownSpot::centreX(), KnownSpot::centreY()), kKnownColor);
}

TEST(Win32ScreenReadStress, AThousandReadsLeaveTheProcessGuiObjectCountsAlone) {
  Win32Platform platform;
  // The first read may set up what the system keeps for the screen.
  platform.readScreenPixel(0, 0);
  const GuiObjects before = guiObjectsOfThisProcess();
  ASSERT_GT(before.gdi, 0u) << "the count sees not even the stock objects";
  for (int read = 0; read < kCountedReads; ++read) platform.readScreenPixel(0, 0);
  const GuiObjects after = guiObjectsOfThisProcess();
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.user, before.user);
}

}  // namespace
}  // namespace tintwell::win32
