// The real window in this process, moved between monitors of different DPI
// by the message the system sends then; sent from here, since the message
// carries a pointer that not every system hands across processes.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "shell/display_scale.h"
#include "shell/layout.h"
#include "win32/main_window.h"
#include "win32/text.h"

namespace tintwell::win32 {
namespace {

constexpr int kMonitorDpi = 144;

struct Selection {
  DWORD start = 0;
  DWORD end = 0;
  bool operator==(const Selection&) const = default;
};

Selection selectionOf(HWND edit) {
  Selection selection;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
               reinterpret_cast<LPARAM>(&selection.end));
  return selection;
}

RECT placeInParent(HWND child) {
  RECT area{};
  GetWindowRect(child, &area);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// What a move between monitors must leave as it was.
struct WindowState {
  std::array<std::string, kFieldCount> fields;
  Selection typing;
  HWND focus = nullptr;
  bool redChecked = false;
  LRESULT quality = 0;
  std::string caption;
  bool operator==(const WindowState&) const = default;
};

class MovedWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window_.open(SW_SHOWNOACTIVATE));
    main_ = window_.handle();
  }

  HWND child(int controlId) const { return GetDlgItem(main_, controlId); }

  WindowState state() const {
    WindowState now;
    for (int index = 0; index < kFieldCount; ++index) {
      now.fields.at(static_cast<size_t>(index)) = windowText(child(layout::txtInpId(index)));
    }
    now.typing = selectionOf(child(layout::txtInpId(kHexField)));
    now.focus = GetFocus();
    now.redChecked = SendMessageW(child(layout::optDimId(kRed)), BM_GETCHECK, 0, 0) == BST_CHECKED;
    now.quality = SendMessageW(child(layout::kCmbQualityId), CB_GETCURSEL, 0, 0);
    now.caption = windowText(main_);
    return now;
  }

  // As the system sends it: the new DPI twice, and the place it suggests.
  void moveToMonitorOf(int dpi) {
    RECT suggested{};
    GetWindowRect(main_, &suggested);
    SendMessageW(main_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  }

  void expectLaidOutFor(int dpi) const {
    const DisplayScale scale(dpi);
    RECT client{};
    GetClientRect(main_, &client);
    EXPECT_EQ(client.right, scale.toPhysical(layout::kClientWidth));
    EXPECT_EQ(client.bottom, scale.toPhysical(layout::kClientHeight));
    for (const layout::ControlDesign* design : layout::windowedControls()) {
      SCOPED_TRACE(std::string(design->name) + " " + std::to_string(design->index));
      const RECT shown = placeInParent(child(design->controlId));
      const Box expected = scale.toPhysical(Box{
          design->left, design->top, design->left + design->width, design->top + design->height});
      EXPECT_EQ(shown.left, expected.left);
      EXPECT_EQ(shown.top, expected.top);
      EXPECT_EQ(shown.right, expected.right);
      EXPECT_EQ(shown.bottom, expected.bottom);
    }
  }

  MainWindow window_{GetModuleHandleW(nullptr)};
  HWND main_ = nullptr;
};

// The red dimension chosen, and a half-typed hex code with part of it
// selected in the focused field: none of it may be lost by the move.
TEST_F(MovedWindowTest, MovingToAnotherDpiAndBackLaysOutAgainAndKeepsEverything) {
  SendMessageW(child(layout::optDimId(kRed)), BM_CLICK, 0, 0);
  const HWND hex = child(layout::txtInpId(kHexField));
  SetFocus(hex);
  SendMessageW(hex, EM_SETSEL, 0, -1);
  SendMessageW(hex, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"12a"));
  SendMessageW(hex, EM_SETSEL, 1, 2);
  const WindowState before = state();
  ASSERT_EQ(before.fields.at(kHexField), "12a");
  ASSERT_TRUE(before.redChecked);

  moveToMonitorOf(kMonitorDpi);
  expectLaidOutFor(kMonitorDpi);
  EXPECT_EQ(state(), before);

  moveToMonitorOf(kDesignDpi);
  expectLaidOutFor(kDesignDpi);
  EXPECT_EQ(state(), before);
}

}  // namespace
}  // namespace tintwell::win32
