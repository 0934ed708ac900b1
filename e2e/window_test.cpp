// The window itself: its size and frame, its title, the first focus, closing.

#include <gtest/gtest.h>

#include "environment.h"
#include "session.h"
#include "shell/layout.h"

namespace tintwell::e2e {
namespace {

TEST_F(StartedWindowTest, ClientAreaIs438By426) {
  RECT client{};
  ASSERT_TRUE(GetClientRect(app_.window(), &client));
  EXPECT_EQ(client.right - client.left, layout::kClientWidth);
  EXPECT_EQ(client.bottom - client.top, layout::kClientHeight);
}

TEST_F(StartedWindowTest, FrameIsFixedWithCloseBoxOnly) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(app_.window(), GWL_STYLE));
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  EXPECT_NE(style & WS_SYSMENU, 0u);
  EXPECT_EQ(style & WS_THICKFRAME, 0u) << "resizable border";
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0u);
  EXPECT_EQ(style & WS_MINIMIZEBOX, 0u);
  EXPECT_EQ(GetMenu(app_.window()), nullptr);
}

TEST_F(StartedWindowTest, TitleIsTintwell) {
  EXPECT_EQ(controlText(app_.window()), "Tintwell");
}

TEST_F(StartedWindowTest, MatrixHasTheFocusAtStart) {
  const HWND matrix = control(layout::kImgMatrixId);
  ASSERT_NE(matrix, nullptr);
  EXPECT_TRUE(waitUntil([&] { return app_.focus() == matrix; }, kReactionLimit))
      << "focus is on a window of class " << className(app_.focus());
}

TEST_F(StartedWindowTest, ClosingTheWindowEndsTheProgram) {
  const HWND window = app_.window();
  ASSERT_TRUE(app_.requestClose());
  EXPECT_TRUE(app_.waitForExit(kReactionLimit));
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace tintwell::e2e
