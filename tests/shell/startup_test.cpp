#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "fakes/headless_window.h"
#include "shell/language.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;
using Bytes = std::vector<uint8_t>;

constexpr const char* kMakerKey = "Software\\Quenlark";
constexpr const char* kRigboxKey = "Software\\Quenlark\\Rigbox";
constexpr PackedColor kRed = 0x0000FF;

TEST(StartUp, FirstRunShowsPureRedInEnglishAtHighQuality) {
  HeadlessWindow window;
  window.start();

  const std::array<std::string, kFieldCount> expected = {"360", "100", "100",    "255",
                                                         "0",   "0",   "ff0000", "255"};
  EXPECT_EQ(window.fieldTexts(), expected);
  EXPECT_EQ(window.form.dHue, kFullCircle);
  EXPECT_EQ(window.form.lCurColor, 255);
  for (int y = 0; y < window.imgCurColor.image().height(); ++y) {
    for (int x = 0; x < window.imgCurColor.image().width(); ++x) {
      ASSERT_EQ(window.imgCurColor.image().pixel(x, y), kRed) << x << "," << y;
    }
  }
  EXPECT_EQ(window.window.caption(), "Tintwell");
  EXPECT_EQ(window.label(layout::Control::lblTitle).caption(), "Tintwell");
  EXPECT_EQ(window.label(layout::Control::lblQuality).caption(), "Render quality:");
  EXPECT_EQ(window.cmbQuality.items, (std::vector<std::string>{"High", "Medium", "Low"}));
  EXPECT_EQ(window.cmbQuality.listIndex(), 0);
  EXPECT_EQ(window.label(layout::Control::lblVersion).caption(), "v1.3.0");
  EXPECT_FALSE(window.form.bInpFocus);
  EXPECT_EQ(iLanguage, 1);
}

TEST(StartUp, PlacesTheFlagsAndCoversThemWithTheirHiddenPaleVersions) {
  HeadlessWindow window;
  window.start();
  EXPECT_EQ(window.picture(layout::Control::imgLangHUN).left(), 414);
  EXPECT_EQ(window.picture(layout::Control::imgLangENG).left(), 390);
  EXPECT_EQ(window.picture(layout::Control::imgLangHUN_hl).left(), 414);
  EXPECT_EQ(window.picture(layout::Control::imgLangENG_hl).left(), 390);
  EXPECT_EQ(window.picture(layout::Control::imgLangHUN_hl).top(),
            window.picture(layout::Control::imgLangHUN).top());
  EXPECT_EQ(window.picture(layout::Control::imgLangENG_hl).top(),
            window.picture(layout::Control::imgLangENG).top());
  EXPECT_FALSE(window.picture(layout::Control::imgLangENG_hl).visible());
  EXPECT_FALSE(window.picture(layout::Control::imgLangHUN_hl).visible());
  EXPECT_FALSE(window.tmrLang.enabled());
  EXPECT_TRUE(window.tmSampler.enabled());
  EXPECT_EQ(window.label(layout::Control::lblHomepage).foreColor, 0x555555u);
  EXPECT_FALSE(window.label(layout::Control::lblHomepage).underline);
}

TEST(StartUp, DrawsTheHueStripAndTheMatrixWithItsMarker) {
  HeadlessWindow window;
  window.start();
  EXPECT_EQ(window.form.iVerticalPos, 0);
  EXPECT_EQ(window.picture(layout::Control::imgArrowLeft).top(), 86);
  EXPECT_EQ(window.picture(layout::Control::imgArrowRight).top(), 86);
  EXPECT_EQ(window.form.iMatrixX, kLastPixel);
  EXPECT_EQ(window.form.iMatrixY, 0);
  // Part of the ring around the top-right corner: white over pure red.
  EXPECT_EQ(window.imgMatrix.image().pixel(250, 0), packRgb(255, 255, 255));
  EXPECT_EQ(window.imgMatrix.image().pixel(kLastPixel, 5), packRgb(255, 255, 255));
  EXPECT_GE(window.imgMatrix.refreshCount, 1);
  EXPECT_GE(window.imgVertical.refreshCount, 1);
}

struct StoredSettingsRow {
  const char* name;
  std::optional<Bytes> language;
  std::optional<Bytes> quality;
  int32_t expectedLanguage;
  int expectedQuality;
};

TEST(StartUp, ReadsTheStoredLanguageAndQuality) {
  const StoredSettingsRow rows[] = {
      {"nothing stored", std::nullopt, std::nullopt, 1, 0},
      {"Hungarian", Bytes{0, 0}, std::nullopt, 0, 0},
      {"English", Bytes{1, 0}, Bytes{1, 0}, 1, 1},
      {"any non-zero language is English", Bytes{7, 0}, Bytes{2, 0}, 7, 2},
      {"quality 5 clamps to Low", std::nullopt, Bytes{5, 0}, 1, 2},
      {"quality FF FF reads 65535 and clamps to Low", std::nullopt, Bytes{0xFF, 0xFF}, 1, 2},
      {"4-byte values cannot be read", Bytes{0, 0, 0, 0}, Bytes{2, 0, 0, 0}, 1, 0},
      {"1-byte values fill the low byte", Bytes{0}, Bytes{1}, 0, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    if (row.language) window.registry.setBinary(kMakerKey, "Language", *row.language);
    if (row.quality) window.registry.setBinary(kRigboxKey, "Tintwell-Quality", *row.quality);
    window.start();
    EXPECT_EQ(iLanguage, row.expectedLanguage);
    EXPECT_EQ(window.cmbQuality.listIndex(), row.expectedQuality);
    EXPECT_EQ(window.cmbQuality.items.size(), 3u);
    EXPECT_EQ(window.registry.openHandleCount(), 0);
  }
}

TEST(StartUp, FallsBackToEnglishAndHighWhenAccessIsDenied) {
  HeadlessWindow window;
  window.registry.setBinary(kMakerKey, "Language", Bytes{0, 0});
  window.registry.setBinary(kRigboxKey, "Tintwell-Quality", Bytes{2, 0});
  window.registry.denyAccess(kMakerKey);
  window.registry.denyAccess(kRigboxKey);
  window.start();
  EXPECT_EQ(window.label(layout::Control::lblQuality).caption(), "Render quality:");
  EXPECT_EQ(window.cmbQuality.listIndex(), 0);
}

TEST(Shutdown, StoresTheSelectedQualityAsTwoBytesAndNeverTheLanguage) {
  HeadlessWindow window;
  window.start();
  window.cmbQuality.setListIndex(2);
  window.form.Form_Unload();
  EXPECT_EQ(window.registry.binary(kRigboxKey, "Tintwell-Quality"), (Bytes{2, 0}));
  EXPECT_EQ(window.registry.type(kRigboxKey, "Tintwell-Quality"), 3u);
  EXPECT_FALSE(window.registry.binary(kMakerKey, "Language").has_value());
  EXPECT_EQ(window.registry.openHandleCount(), 0);
}

TEST(Shutdown, StoresTheQualityShownEvenWhenUntouched) {
  HeadlessWindow window;
  window.start();
  window.form.Form_Unload();
  EXPECT_EQ(window.registry.binary(kRigboxKey, "Tintwell-Quality"), (Bytes{0, 0}));
}

TEST(Shutdown, AFailedWriteIsIgnored) {
  HeadlessWindow window;
  window.start();
  window.registry.failWrites(5);
  window.form.Form_Unload();
  EXPECT_FALSE(window.registry.binary(kRigboxKey, "Tintwell-Quality").has_value());
  EXPECT_EQ(window.registry.openHandleCount(), 0);
}

}  // namespace
}  // namespace tintwell
