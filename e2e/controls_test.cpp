// Every windowed control where the design puts it, of the right kind.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "environment.h"
#include "session.h"
#include "shell/layout.h"

namespace tintwell::e2e {
namespace {

struct Place {
  const char* name;
  int controlId;
  int left;
  int top;
  int width;
  int height;
};

// Left, top, width and height in client pixels, as the window is designed.
constexpr auto kPlaces = std::to_array<Place>({
    {"imgMatrix", layout::kImgMatrixId, 8, 88, 260, 260},
    {"imgVertical", layout::kImgVerticalId, 280, 88, 25, 260},
    {"imgCurColor", layout::kImgCurColorId, 336, 88, 89, 49},
    {"optDim(0) H", layout::optDimId(0), 326, 162, 33, 17},
    {"optDim(1) S", layout::optDimId(1), 326, 186, 33, 17},
    {"optDim(2) B", layout::optDimId(2), 326, 210, 33, 17},
    {"optDim(3) R", layout::optDimId(3), 326, 250, 33, 17},
    {"optDim(4) G", layout::optDimId(4), 326, 274, 33, 17},
    {"optDim(5) B", layout::optDimId(5), 326, 298, 33, 17},
    {"txtInp(0) hue", layout::txtInpId(0), 360, 160, 41, 19},
    {"txtInp(1) saturation", layout::txtInpId(1), 360, 184, 41, 19},
    {"txtInp(2) brightness", layout::txtInpId(2), 360, 208, 41, 19},
    {"txtInp(3) red", layout::txtInpId(3), 360, 248, 41, 19},
    {"txtInp(4) green", layout::txtInpId(4), 360, 272, 41, 19},
    {"txtInp(5) blue", layout::txtInpId(5), 360, 296, 41, 19},
    {"txtInp(6) hex", layout::txtInpId(6), 344, 336, 73, 19},
    {"txtInp(7) number", layout::txtInpId(7), 344, 360, 73, 19},
    {"cmbQuality", layout::kCmbQualityId, 152, 360, 113, 21},
});

TEST_F(StartedWindowTest, EveryWindowedControlSitsAtItsPlace) {
  for (const Place& place : kPlaces) {
    SCOPED_TRACE(place.name);
    const HWND child = control(place.controlId);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(IsWindowVisible(child));
    const RECT rect = app_.placeInClient(child);
    EXPECT_EQ(rect.left, place.left);
    EXPECT_EQ(rect.top, place.top);
    EXPECT_EQ(rect.right - rect.left, place.width);
    EXPECT_EQ(rect.bottom - rect.top, place.height);
  }
}

// Labels, pictures, lines and the band are painted by the window, not windows.
TEST_F(StartedWindowTest, OnlyTheWindowedControlsAreChildWindows) {
  int children = 0;
  for (HWND child = GetWindow(app_.window(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    ++children;
    SCOPED_TRACE(narrow(className(child)));
    EXPECT_TRUE(std::any_of(kPlaces.begin(), kPlaces.end(), [&](const Place& place) {
      return GetDlgCtrlID(child) == place.controlId;
    }));
  }
  EXPECT_EQ(children, static_cast<int>(kPlaces.size()));
}

struct Surface {
  const char* name;
  int controlId;
  int innerWidth;
  int innerHeight;
};

TEST_F(StartedWindowTest, SurfacesDrawInsideASunkenTwoPixelBorder) {
  constexpr auto kSurfaces = std::to_array<Surface>({
      {"imgMatrix", layout::kImgMatrixId, 256, 256},
      {"imgVertical", layout::kImgVerticalId, 21, 256},
      {"imgCurColor", layout::kImgCurColorId, 85, 45},
  });
  for (const Surface& surface : kSurfaces) {
    SCOPED_TRACE(surface.name);
    const HWND child = control(surface.controlId);
    ASSERT_NE(child, nullptr);
    RECT inner{};
    GetClientRect(child, &inner);
    EXPECT_EQ(inner.right, surface.innerWidth);
    EXPECT_EQ(inner.bottom, surface.innerHeight);
    EXPECT_NE(GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  }
}

TEST_F(StartedWindowTest, FieldsAreSingleLineEditsWithTheirLengthLimits) {
  constexpr auto kLimits = std::to_array<int>({3, 3, 3, 3, 3, 3, 6, 8});
  for (int index = 0; index < static_cast<int>(kLimits.size()); ++index) {
    SCOPED_TRACE(testing::Message() << "txtInp(" << index << ")");
    const HWND edit = field(index);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(narrow(className(edit)), "Edit");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(edit, GWL_STYLE));
    EXPECT_EQ(style & (ES_MULTILINE | ES_CENTER | ES_RIGHT), 0u) << "single line, left aligned";
    EXPECT_NE(GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(query(edit, EM_GETLIMITTEXT), kLimits.at(static_cast<size_t>(index)));
  }
}

TEST_F(StartedWindowTest, OptionsAreOneGroupOfRadioButtons) {
  constexpr auto kCaptions = std::to_array<const char*>({"H:", "S:", "B:", "R:", "G:", "B:"});
  for (int index = 0; index < static_cast<int>(kCaptions.size()); ++index) {
    SCOPED_TRACE(testing::Message() << "optDim(" << index << ")");
    const HWND button = option(index);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(narrow(className(button)), "Button");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE));
    EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON));
    EXPECT_EQ((style & WS_GROUP) != 0, index == 0) << "only the first one starts the group";
    EXPECT_EQ(narrow(windowText(button)), kCaptions.at(static_cast<size_t>(index)));
  }
}

TEST_F(StartedWindowTest, QualityIsAPickOnlyList) {
  const HWND combo = control(layout::kCmbQualityId);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(narrow(className(combo)), "ComboBox");
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(combo, GWL_STYLE));
  EXPECT_EQ(style & (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST),
            static_cast<DWORD>(CBS_DROPDOWNLIST));
}

}  // namespace
}  // namespace tintwell::e2e
