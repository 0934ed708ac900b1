#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "shell/layout.h"
#include "win32/surface.h"
#include "win32/test_parent.h"

namespace tintwell::win32 {
namespace {

struct Event {
  MouseAction action;
  int16_t button;
  float x;
  float y;
  bool operator==(const Event&) const = default;
};

// A surface of the layout on a hidden parent, recording what it reports.
class SurfaceTest : public ::testing::Test, public SurfaceEvents {
 protected:
  void SetUp() override {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    SurfaceWindow::registerClass(instance);
    matrix_ =
        std::make_unique<SurfaceWindow>(*layout::findControl(layout::Control::imgMatrix), *this);
    swatch_ =
        std::make_unique<SurfaceWindow>(*layout::findControl(layout::Control::imgCurColor), *this);
    matrix_->create(parent_.get(), instance);
    swatch_->create(parent_.get(), instance);
  }
  void TearDown() override {
    if (GetCapture() != nullptr) ReleaseCapture();
  }

  void surfaceMouse(const SurfaceWindow& surface, MouseAction action, int16_t button,
                    int16_t /*shift*/, float x, float y) override {
    EXPECT_EQ(&surface, matrix_.get());
    events.push_back(Event{action, button, x, y});
    captureDuringEvent = GetCapture() == matrix_->handle();
  }
  void surfaceContextMenu(const SurfaceWindow&, LPARAM) override {}

  bool surfaceKey(const SurfaceWindow& surface, bool down, WPARAM key) override {
    keys.push_back({&surface == matrix_.get(), down, key});
    return true;
  }
  bool keyboardCuesShown() const override { return false; }
  std::optional<LRESULT> surfaceObject(const SurfaceWindow&, WPARAM, LPARAM) override {
    return std::nullopt;
  }

  void send(UINT message, WPARAM keys, int x, int y) {
    const LPARAM position = MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
    SendMessageW(matrix_->handle(), message, keys, position);
  }
  bool captured() const { return GetCapture() == matrix_->handle(); }

  std::unique_ptr<SurfaceWindow> matrix_;
  std::unique_ptr<SurfaceWindow> swatch_;
  TestParent parent_{layout::kClientWidth, layout::kClientHeight};
  std::vector<Event> events;
  struct Key {
    bool onMatrix;
    bool down;
    WPARAM code;
    bool operator==(const Key&) const = default;
  };
  std::vector<Key> keys;
  bool captureDuringEvent = false;
};

TEST_F(SurfaceTest, ClientAreaMatchesTheImageAndSizesReadInTheirUnits) {
  RECT client{};
  GetClientRect(matrix_->handle(), &client);
  EXPECT_EQ(client.right, matrix_->image().width());
  EXPECT_EQ(client.bottom, matrix_->image().height());
  const layout::ControlDesign& matrix = *layout::findControl(layout::Control::imgMatrix);
  const layout::ControlDesign& swatch = *layout::findControl(layout::Control::imgCurColor);
  EXPECT_EQ(matrix_->image().width(), kSurfaceSide);
  EXPECT_EQ(matrix_->scaleWidth(), kSurfaceSide);
  EXPECT_EQ(matrix_->scaleHeight(), kSurfaceSide);
  EXPECT_EQ(matrix_->left(), matrix.left);
  EXPECT_EQ(matrix_->top(), matrix.top);
  EXPECT_EQ(swatch_->width(), swatch.width);
  EXPECT_EQ(swatch_->height(), swatch.height);
  EXPECT_EQ(swatch_->scaleHeight(), 675) << "the swatch measures its inside in twips";
  EXPECT_EQ(swatch_->scaleWidth(), 85 * kTwipsPerPixel);
}

TEST_F(SurfaceTest, APressCapturesThePointerUntilTheLastButtonIsLetGo) {
  send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 20);
  EXPECT_TRUE(captureDuringEvent) << "captured before the handler runs";
  EXPECT_EQ(GetFocus(), matrix_->handle()) << "a press takes the focus";
  send(WM_MOUSEMOVE, MK_LBUTTON, -7, 300);
  send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, -7, 300);
  send(WM_LBUTTONUP, MK_RBUTTON, -8, -9);
  EXPECT_TRUE(captured()) << "the right button is still held";
  send(WM_MOUSEMOVE, MK_RBUTTON | MK_MBUTTON, -8, -9);
  send(WM_RBUTTONUP, 0, 40, 41);
  EXPECT_FALSE(captured());
  send(WM_MBUTTONDOWN, MK_MBUTTON, 1, 2);
  send(WM_MBUTTONUP, 0, 1, 2);
  EXPECT_FALSE(captured());

  const std::vector<Event> expected{
      {MouseAction::down, kLeftButton, 10, 20},
      {MouseAction::move, kLeftButton, -7, 300},
      {MouseAction::down, kRightButton, -7, 300},
      {MouseAction::up, kLeftButton, -8, -9},
      {MouseAction::move, kRightButton | kMiddleButton, -8, -9},
      {MouseAction::up, kRightButton, 40, 41},
      {MouseAction::down, kMiddleButton, 1, 2},
      {MouseAction::up, kMiddleButton, 1, 2},
  };
  EXPECT_EQ(events, expected);
}

// The dialog navigation leaves the arrows to the surfaces that take keys.
TEST_F(SurfaceTest, TheColourFieldWantsItsArrowsAndHandsOnItsKeys) {
  EXPECT_EQ(SendMessageW(matrix_->handle(), WM_GETDLGCODE, VK_LEFT, 0), DLGC_WANTARROWS);
  EXPECT_EQ(SendMessageW(swatch_->handle(), WM_GETDLGCODE, VK_LEFT, 0) & DLGC_WANTARROWS, 0);
  SendMessageW(matrix_->handle(), WM_KEYDOWN, VK_HOME, 0);
  SendMessageW(matrix_->handle(), WM_KEYUP, VK_HOME, 0);
  const std::vector<Key> expected{{true, true, VK_HOME}, {true, false, VK_HOME}};
  EXPECT_EQ(keys, expected);
}

TEST_F(SurfaceTest, MovesWithNoButtonHeldStillReachTheHandler) {
  send(WM_MOUSEMOVE, 0, 5, 6);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events.front(), (Event{MouseAction::move, 0, 5, 6}));
  EXPECT_FALSE(captured());
}

}  // namespace
}  // namespace tintwell::win32
