// Every windowed control where the design puts it, of the right kind.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "environment.h"
#include "session.h"
#include "shell/layout.h"

namespace tintwell::e2e {
namespace {

std::string nameOf(const layout::ControlDesign& design) {
  std::string name(design.name);
  if (design.index != layout::kNoGroupIndex) {
    name += '(';
    name += std::to_string(design.index);
    name += ')';
  }
  return name;
}

TEST_F(StartedWindowTest, EveryWindowedControlSitsAtItsPlace) {
  for (const layout::ControlDesign* design : layout::windowedControls()) {
    SCOPED_TRACE(nameOf(*design));
    const HWND child = control(design->controlId);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(IsWindowVisible(child));
    const RECT rect = app_.placeInClient(child);
    EXPECT_EQ(rect.left, design->left);
    EXPECT_EQ(rect.top, design->top);
    EXPECT_EQ(rect.right - rect.left, design->width);
    EXPECT_EQ(rect.bottom - rect.top, design->height);
  }
}

// Labels, pictures, lines and the band are painted by the window, not windows.
TEST_F(StartedWindowTest, OnlyTheWindowedControlsAreChildWindows) {
  const auto windowed = layout::windowedControls();
  int children = 0;
  for (HWND child = GetWindow(app_.window(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    ++children;
    SCOPED_TRACE(className(child));
    EXPECT_TRUE(std::any_of(windowed.begin(), windowed.end(), [&](const auto* design) {
      return GetDlgCtrlID(child) == design->controlId;
    }));
  }
  EXPECT_EQ(children, static_cast<int>(windowed.size()));
}

TEST_F(StartedWindowTest, SurfacesDrawInsideASunkenTwoPixelBorder) {
  for (const layout::ControlDesign* design : layout::windowedControls()) {
    if (design->kind != layout::ControlKind::surface) continue;
    SCOPED_TRACE(nameOf(*design));
    const HWND child = control(design->controlId);
    ASSERT_NE(child, nullptr);
    RECT inner{};
    GetClientRect(child, &inner);
    EXPECT_EQ(inner.right, design->width - 2 * kSurfaceBorder);
    EXPECT_EQ(inner.bottom, design->height - 2 * kSurfaceBorder);
    EXPECT_NE(GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  }
}

TEST_F(StartedWindowTest, FieldsAreSingleLineEditsWithTheirLengthLimits) {
  for (int index = 0; index < kFieldCount; ++index) {
    SCOPED_TRACE(testing::Message() << "txtInp(" << index << ")");
    const HWND edit = field(index);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(className(edit), "Edit");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(edit, GWL_STYLE));
    EXPECT_EQ(style & (ES_MULTILINE | ES_CENTER | ES_RIGHT), 0u) << "single line, left aligned";
    EXPECT_NE(GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(query(edit, EM_GETLIMITTEXT),
              layout::findControl(layout::Control::txtInp, index)->maxLength);
  }
}

TEST_F(StartedWindowTest, OptionsAreOneGroupOfRadioButtons) {
  constexpr auto kCaptions = std::to_array<const char*>({"H:", "S:", "B:", "R:", "G:", "B:"});
  for (int index = 0; index < static_cast<int>(kCaptions.size()); ++index) {
    SCOPED_TRACE(testing::Message() << "optDim(" << index << ")");
    const HWND button = option(index);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(className(button), "Button");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE));
    EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
    EXPECT_EQ((style & WS_GROUP) != 0, index == 0) << "only the first one starts the group";
    EXPECT_EQ(controlText(button), kCaptions.at(static_cast<size_t>(index)));
  }
}

TEST_F(StartedWindowTest, QualityIsAPickOnlyList) {
  const HWND combo = control(layout::kCmbQualityId);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(className(combo), "ComboBox");
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(combo, GWL_STYLE));
  EXPECT_EQ(style & (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST),
            static_cast<DWORD>(CBS_DROPDOWNLIST));
}

}  // namespace
}  // namespace tintwell::e2e
