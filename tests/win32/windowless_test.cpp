#ifdef _WIN32

#include <gtest/gtest.h>

#include <string>

#include "win32/windowless.h"

namespace tintwell::win32 {
namespace {

// The layer as the window builds it, without a window to repaint, and the
// router over it.
class WindowlessTest : public ::testing::Test {
 protected:
  FontCache fonts;
  WindowlessLayer layer{GetModuleHandleW(nullptr), fonts};
  PointerRouter router{layer};

  std::string hitName(int x, int y) const {
    const layout::ControlDesign* hit = router.hitTest(Point{x, y});
    return hit == nullptr ? "window" : std::string(hit->name);
  }
};

TEST_F(WindowlessTest, PointerGoesToTheTopmostLabelOrPictureOrElseToTheWindow) {
  struct Row {
    const char* name;
    int x, y;
    const char* expected;
  };
  const Row rows[] = {
      {"English flag", 395, 10, "imgLangENG"},
      {"Hungarian flag, bottom-right pixel", 434, 23, "imgLangHUN"},
      {"just right of the Hungarian flag", 435, 10, "window"},
      {"pale English flag where it is designed", 285, 12, "imgLangENG_hl"},
      {"white band: the shape takes no pointer", 200, 30, "window"},
      {"first line: lines take no pointer", 100, 70, "window"},
      {"home-page label", 420, 60, "lblHomepage"},
      {"hint label at the bottom", 100, 405, "lblTintwell"},
      {"eyedropper", 10, 402, "Image1"},
      {"hint label past the client edge", 439, 405, "window"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(hitName(row.x, row.y), row.expected);
  }
}

TEST_F(WindowlessTest, APaleFlagPlacedOverItsFlagTakesThePointerOnlyWhileShown) {
  WindowlessPicture& flag = layer.picture("imgLangENG");
  WindowlessPicture& pale = layer.picture("imgLangENG_hl");
  pale.setLeft(flag.left());
  pale.setTop(flag.top());
  EXPECT_EQ(hitName(flag.left() + 1, flag.top() + 1), "imgLangENG_hl");
  pale.setVisible(false);
  EXPECT_EQ(hitName(flag.left() + 1, flag.top() + 1), "imgLangENG");
  EXPECT_EQ(hitName(285, 12), "window") << "nothing is left where the pale flag was";
}

TEST_F(WindowlessTest, ASelfSizingLabelFollowsItsTextFromTheEdgeItIsAlignedTo) {
  WindowlessLabel& version = layer.label("lblVersion");  // right-aligned
  const RECT designed = version.bounds();
  version.setCaption("v1.3.0");
  const RECT shortText = version.bounds();
  version.setCaption("v1.3.0 and more");
  const RECT longText = version.bounds();
  EXPECT_EQ(shortText.right, designed.right);
  EXPECT_EQ(longText.right, designed.right);
  EXPECT_LT(shortText.left, shortText.right);
  EXPECT_LT(longText.left, shortText.left);
  EXPECT_EQ(longText.bottom - longText.top, shortText.bottom - shortText.top);
  EXPECT_GT(shortText.bottom, shortText.top);
  EXPECT_EQ(version.caption(), "v1.3.0 and more");

  WindowlessLabel& title = layer.label("lblTitle");  // left-aligned
  const RECT titleDesigned = title.bounds();
  title.setCaption("A much longer window title");
  EXPECT_EQ(title.bounds().left, titleDesigned.left);
  EXPECT_GT(title.bounds().right, titleDesigned.right);
}

TEST_F(WindowlessTest, AFixedLabelKeepsItsDesignedSize) {
  WindowlessLabel& homepage = layer.label("lblHomepage");
  const RECT designed = homepage.bounds();
  homepage.setCaption("a much longer address than the label was designed for");
  homepage.setFontUnderline(true);
  const RECT after = homepage.bounds();
  EXPECT_TRUE(EqualRect(&designed, &after));
}

}  // namespace
}  // namespace tintwell::win32

#endif  // _WIN32
