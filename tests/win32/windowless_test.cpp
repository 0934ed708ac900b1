#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "shell/display_scale.h"
#include "shell/language.h"
#include "shell/maker.h"
#include "shell/mod_rigbox_common.h"
#include "shell/pointer_routing_cases.h"
#include "win32/handles.h"
#include "win32/text.h"
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

// Built, the pale flag lies where it is designed; the window's start puts it
// over its flag.
TEST_F(WindowlessTest, PointerGoesToTheTopmostLabelOrPictureOrElseToTheWindow) {
  EXPECT_EQ(hitName(285, 12), "imgLangENG_hl") << "pale English flag where it is designed";
  WindowlessPicture& flag = layer.picture(layout::Control::imgLangENG);
  WindowlessPicture& pale = layer.picture(layout::Control::imgLangENG_hl);
  pale.setLeft(flag.left());
  pale.setTop(flag.top());
  EXPECT_EQ(hitName(285, 12), "window") << "nothing is left where the pale flag was";
  expectStartupPointerRouting(router, flag, pale);
}

TEST_F(WindowlessTest, ASelfSizingLabelFollowsItsTextFromTheEdgeItIsAlignedTo) {
  WindowlessLabel& version = layer.label(layout::Control::lblVersion);  // right-aligned
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

  WindowlessLabel& title = layer.label(layout::Control::lblTitle);  // left-aligned
  const RECT titleDesigned = title.bounds();
  title.setCaption("A much longer window title");
  EXPECT_EQ(title.bounds().left, titleDesigned.left);
  EXPECT_GT(title.bounds().right, titleDesigned.right);
}

TEST_F(WindowlessTest, AFixedLabelKeepsItsDesignedSize) {
  WindowlessLabel& homepage = layer.label(layout::Control::lblHomepage);
  const RECT designed = homepage.bounds();
  homepage.setCaption("a much longer address than the label was designed for");
  homepage.setFontUnderline(true);
  const RECT after = homepage.bounds();
  EXPECT_TRUE(EqualRect(&designed, &after));
}

// Each label's caption, in both languages, as much of it shown at every
// display scale as at 100 %: the lines DrawText breaks it into, in the font
// made for the DPI, fit the label's scaled place wherever they fit at 100 %.
TEST_F(WindowlessTest, CaptionsInBothLanguagesAreNoMoreCutAtAnyScaleThanAtTheDesignedOne) {
  const auto linesShown = [this](layout::Control id, const std::string& caption) {
    WindowlessLabel& label = layer.label(id);
    label.setCaption(caption);
    const RECT shown = label.shownBounds();
    const MemoryDc measure(nullptr);
    const SelectedObject font(measure.get(), fonts.get(label.design().font, false));
    TEXTMETRICW metrics{};
    GetTextMetricsW(measure.get(), &metrics);
    RECT needed = shown;
    std::wstring text = toWide(caption);
    DrawTextW(measure.get(), text.data(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const bool fitsAcross = needed.right - needed.left <= shown.right - shown.left;
    const LONG lineHeight = std::max<LONG>(1, metrics.tmHeight);
    const LONG linesNeeded = (needed.bottom - needed.top) / lineHeight;
    const LONG linesRoom = (shown.bottom - shown.top) / lineHeight;
    return std::pair{fitsAcross, std::min(linesNeeded, linesRoom)};
  };
  for (const int language : {kLanguageEnglish, kLanguageHungarian}) {
    const Captions& captions = captionsFor(language);
    const auto inLanguage = [language](layout::Control id) {
      return std::string(captionIn(*layout::findControl(id), language));
    };
    const std::pair<layout::Control, std::string> labels[] = {
        {layout::Control::lblTitle, captions.title},
        {layout::Control::lblQuality, inLanguage(layout::Control::lblQuality)},
        {layout::Control::lblTintwell, inLanguage(layout::Control::lblTintwell)},
        {layout::Control::lblVersion, "v1.3.0"},
        {layout::Control::lblHomepage, kHomepageText},
        {layout::Control::Label10, kMakerCredit},
    };
    for (const auto& [id, caption] : labels) {
      const std::string_view name = layout::findControl(id)->name;
      fonts.setDpi(kDesignDpi);
      layer.setScale(DisplayScale(kDesignDpi));
      const auto designed = linesShown(id, caption);
      for (const int dpi : {120, 144, 168, 192, 240}) {
        SCOPED_TRACE(std::string(name) + " at " + std::to_string(dpi) + " DPI: " + caption);
        fonts.setDpi(dpi);
        layer.setScale(DisplayScale(dpi));
        const auto scaled = linesShown(id, caption);
        if (designed.first) {
          EXPECT_TRUE(scaled.first);
        }
        EXPECT_GE(scaled.second, designed.second);
      }
    }
  }
}

}  // namespace
}  // namespace tintwell::win32
