#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/headless_window.h"
#include "shell/language.h"
#include "shell/layout.h"
#include "shell/maker.h"
#include "shell/pointer_routing_cases.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;
using Bytes = std::vector<uint8_t>;

constexpr const char* kMakerKey = "Software\\Quenlark";

TEST(Language, AFlagClickStoresTheCodeAndSwitchesEveryCaption) {
  HeadlessWindow window;
  window.start();
  window.cmbQuality.setListIndex(2);
  window.form.imgLangHUN_hl_Click();
  EXPECT_EQ(window.registry.binary(kMakerKey, "Language"), (Bytes{0, 0}));
  EXPECT_EQ(window.window.caption(), "Tintwell");
  EXPECT_EQ(window.label(layout::Control::lblTitle).caption(), "Tintwell");
  EXPECT_EQ(window.label(layout::Control::lblTintwell).caption(),
            "a SHIFT gomb nyomvatart\u00e1sa mellett vehet\u0151 sz\u00ednminta a "
            "k\u00e9perny\u0151 b\u00e1rmely pontj\u00e1r\u00f3l");
  EXPECT_EQ(window.label(layout::Control::lblQuality).caption(),
            "Rajzol\u00e1si min\u0151s\u00e9g:");
  EXPECT_EQ(window.cmbQuality.items,
            (std::vector<std::string>{"Magas", "K\u00f6zepes", "Alacsony"}));
  EXPECT_EQ(window.cmbQuality.listIndex(), 2);  // the quality survives the switch

  window.form.imgLangENG_hl_Click();
  EXPECT_EQ(window.registry.binary(kMakerKey, "Language"), (Bytes{1, 0}));
  EXPECT_EQ(window.label(layout::Control::lblTintwell).caption(),
            "press or hold SHIFT key to get color from below the cursor");
  EXPECT_EQ(window.cmbQuality.items, (std::vector<std::string>{"High", "Medium", "Low"}));
  EXPECT_EQ(window.cmbQuality.listIndex(), 2);
  EXPECT_EQ(window.registry.openHandleCount(), 0);
}

TEST(Language, ClickingTheCurrentLanguageStoresItAgain) {
  HeadlessWindow window;
  window.start();
  window.form.imgLangENG_hl_Click();
  EXPECT_EQ(window.registry.binary(kMakerKey, "Language"), (Bytes{1, 0}));
}

TEST(Language, AFailedWriteStillSwitchesForThisRun) {
  HeadlessWindow window;
  window.start();
  window.registry.failWrites(5);
  window.form.imgLangHUN_hl_Click();
  EXPECT_EQ(window.cmbQuality.items.front(), "Magas");
  EXPECT_EQ(iLanguage, 0);
  EXPECT_FALSE(window.registry.binary(kMakerKey, "Language").has_value());
}

TEST(Hover, OneItemLitAtATime) {
  HeadlessWindow window;
  window.start();
  window.form.imgLangENG_MouseMove();
  EXPECT_TRUE(window.picture(layout::Control::imgLangENG_hl).visible());
  EXPECT_TRUE(window.tmrLang.enabled());
  EXPECT_EQ(window.form.iHover, 1);

  window.form.imgLangHUN_MouseMove();  // straight onto the other flag
  EXPECT_FALSE(window.picture(layout::Control::imgLangENG_hl).visible());
  EXPECT_TRUE(window.picture(layout::Control::imgLangHUN_hl).visible());
  EXPECT_EQ(window.form.iHover, 2);

  window.form.lblHomepage_MouseMove();
  EXPECT_FALSE(window.picture(layout::Control::imgLangHUN_hl).visible());
  EXPECT_EQ(window.label(layout::Control::lblHomepage).foreColor, 0u);
  EXPECT_TRUE(window.label(layout::Control::lblHomepage).underline);

  window.form.Form_MouseMove();
  EXPECT_EQ(window.form.iHover, 0);
  EXPECT_EQ(window.label(layout::Control::lblHomepage).foreColor, 0x555555u);
  EXPECT_FALSE(window.label(layout::Control::lblHomepage).underline);
  EXPECT_FALSE(window.tmrLang.enabled());
}

TEST(Hover, TheTimerPutsTheHighlightOutOnlyOutsideTheOuterRectangle) {
  struct Row {
    const char* name;
    Point cursor;
    bool stillLit;
  };
  // Outer rectangle 100,50 to 550,520 pixels (1500,750 to 8250,7800 twips).
  const Row rows[] = {
      {"inside", {300, 300}, true},
      {"on the left edge", {100, 300}, true},
      {"on the top edge: the title bar counts", {300, 50}, true},
      {"on the right edge", {550, 300}, false},
      {"on the bottom edge", {300, 520}, false},
      {"left of the window", {99, 300}, false},
      {"far away, beyond 32 bits in twips", {300000000, 300}, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    window.window.rect = {1500, 750, 6750, 7050};
    window.start();
    window.form.lblHomepage_MouseMove();
    window.platform.cursor = row.cursor;
    window.tickHover();
    EXPECT_EQ(window.form.iHover != 0, row.stillLit);
    EXPECT_EQ(window.tmrLang.enabled(), row.stillLit);
  }
}

TEST(Hover, HoveringTheSameItemAgainChangesNothing) {
  HeadlessWindow window;
  window.start();
  window.form.imgLangENG_MouseMove();
  window.tmrLang.setEnabled(false);  // would be switched on again by a repeat
  window.form.imgLangENG_MouseMove();
  EXPECT_FALSE(window.tmrLang.enabled());
}

TEST(Hover, AnUnreadablePointerKeepsTheHighlight) {
  HeadlessWindow window;
  window.start();
  window.form.imgLangHUN_MouseMove();
  window.platform.cursorReadable = false;
  window.tickHover();
  EXPECT_EQ(window.form.iHover, 2);
}

TEST(HomePage, AClickAsksTheShellForTheMakersPage) {
  HeadlessWindow window;
  window.start();
  window.form.lblHomepage_MouseMove();
  window.form.lblHomepage_Click();
  ASSERT_EQ(window.platform.shellRequests.size(), 1u);
  const ShellRequest& request = window.platform.shellRequests[0];
  EXPECT_EQ(request.operation, nullptr);
  EXPECT_EQ(request.file, kHomepageAddress);
  EXPECT_EQ(request.parameters, nullptr);
  EXPECT_EQ(request.directory, "C:\\");
  EXPECT_EQ(request.showCommand, 0);
  EXPECT_EQ(window.form.iHover, 3);  // stays lit until the pointer moves away
}

TEST(PointerRouting, ThePointerGoesToTheTopmostVisibleLabelOrPictureOrElseToTheWindow) {
  HeadlessWindow window;
  window.start();
  expectStartupPointerRouting(window.router, window.picture(layout::Control::imgLangENG),
                              window.picture(layout::Control::imgLangENG_hl));
}

TEST(PointerRouting, AClickIsALeftPressAndReleaseOnTheSameControl) {
  enum class Action { move, press, doublePress, release, loseCapture };
  struct Step {
    Action action;
    Point point;
  };
  const Point english{395, 10};
  const Point hungarian{420, 10};
  const Point homepage{420, 60};
  const Point band{200, 30};
  using enum Action;
  struct Row {
    const char* name;
    std::vector<Step> steps;
    std::optional<Bytes> storedLanguage;
    size_t pagesOpened;
  };
  const Row rows[] = {
      {"on the English flag, lit by the pointer",
       {{move, english}, {press, english}, {release, english}},
       Bytes{1, 0},
       0},
      {"on the Hungarian flag, lit by the pointer",
       {{move, hungarian}, {press, hungarian}, {release, hungarian}},
       Bytes{0, 0},
       0},
      {"pressed on one flag, released on the other",
       {{move, english}, {press, english}, {move, hungarian}, {release, hungarian}},
       std::nullopt,
       0},
      {"on a flag no longer lit: the pointer left it over the band",
       {{move, english}, {move, band}, {press, english}, {release, english}},
       std::nullopt,
       0},
      {"on the home page", {{press, homepage}, {release, homepage}}, std::nullopt, 1},
      {"pressed on the home page, released on the band",
       {{press, homepage}, {release, band}},
       std::nullopt,
       0},
      {"double-click on the home page: the second press makes no click",
       {{press, homepage}, {release, homepage}, {doublePress, homepage}, {release, homepage}},
       std::nullopt,
       1},
      {"a press that lost the capture",
       {{press, homepage}, {loseCapture, homepage}, {release, homepage}},
       std::nullopt,
       0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    window.start();
    for (const Step& step : row.steps) {
      switch (step.action) {
        case move:
          window.movePointer(step.point);
          break;
        case press:
          window.pressPointer(step.point);
          break;
        case doublePress:
          window.doublePressPointer();
          break;
        case release:
          window.releasePointer(step.point);
          break;
        case loseCapture:
          window.losePointerCapture();
          break;
      }
    }
    EXPECT_EQ(window.registry.binary(kMakerKey, "Language"), row.storedLanguage);
    EXPECT_EQ(window.platform.shellRequests.size(), row.pagesOpened);
  }
}

}  // namespace
}  // namespace tintwell
