#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "fakes/headless_window.h"
#include "fields/color_forms.h"
#include "sampler/sampling.h"
#include "shell/mod_rigbox_common.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;

constexpr int16_t kShiftKey = 16;

TEST(ColorForms, EachFormOfWorkedColors) {
  struct Row {
    const char* name;
    double hue;
    int16_t red, green, blue;
    std::array<std::string, kColorFormCount> texts;
  };
  const Row rows[] = {
      {"white keeps its hue",
       210,
       255,
       255,
       255,
       {"#ffffff", "ffffff", "#FFFFFF", "rgb(255, 255, 255)", "hsl(210, 0%, 100%)"}},
      {"black", 0, 0, 0, 0, {"#000000", "000000", "#000000", "rgb(0, 0, 0)", "hsl(0, 0%, 0%)"}},
      {"grey 128",
       0,
       128,
       128,
       128,
       {"#808080", "808080", "#808080", "rgb(128, 128, 128)", "hsl(0, 0%, 50%)"}},
      {"red at start-up: hue 360 stays 360",
       360,
       255,
       0,
       0,
       {"#ff0000", "ff0000", "#FF0000", "rgb(255, 0, 0)", "hsl(360, 100%, 50%)"}},
      {"yellow",
       60,
       255,
       255,
       0,
       {"#ffff00", "ffff00", "#FFFF00", "rgb(255, 255, 0)", "hsl(60, 100%, 50%)"}},
      {"green",
       120,
       0,
       255,
       0,
       {"#00ff00", "00ff00", "#00FF00", "rgb(0, 255, 0)", "hsl(120, 100%, 50%)"}},
      {"cyan",
       180,
       0,
       255,
       255,
       {"#00ffff", "00ffff", "#00FFFF", "rgb(0, 255, 255)", "hsl(180, 100%, 50%)"}},
      {"blue",
       240,
       0,
       0,
       255,
       {"#0000ff", "0000ff", "#0000FF", "rgb(0, 0, 255)", "hsl(240, 100%, 50%)"}},
      {"magenta",
       300,
       255,
       0,
       255,
       {"#ff00ff", "ff00ff", "#FF00FF", "rgb(255, 0, 255)", "hsl(300, 100%, 50%)"}},
      {"(100, 150, 200)",
       210,
       100,
       150,
       200,
       {"#6496c8", "6496c8", "#6496C8", "rgb(100, 150, 200)", "hsl(210, 48%, 59%)"}},
      {"saturation 4600 / 80 = 57.5 rounds up to the even 58",
       0,
       63,
       17,
       17,
       {"#3f1111", "3f1111", "#3F1111", "rgb(63, 17, 17)", "hsl(0, 58%, 16%)"}},
      {"saturation 200 / 80 = 2.5 rounds down to the even 2",
       0,
       41,
       39,
       39,
       {"#292727", "292727", "#292727", "rgb(41, 39, 39)", "hsl(0, 2%, 16%)"}},
      {"hue 2.5 rounds down to the even 2",
       2.5,
       255,
       11,
       0,
       {"#ff0b00", "ff0b00", "#FF0B00", "rgb(255, 11, 0)", "hsl(2, 100%, 50%)"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ColorState color;
    color.dHue = row.hue;
    color.iRed = row.red;
    color.iGreen = row.green;
    color.iBlue = row.blue;
    EXPECT_EQ(colorFormTexts(color), row.texts);
  }
}

TEST(ReadPastedColor, AcceptsExactlyTheFourForms) {
  struct Row {
    const char* name;
    std::string text;
    std::optional<std::array<int16_t, 3>> color;
  };
  using Rgb = std::array<int16_t, 3>;
  const Row rows[] = {
      {"#rrggbb", "#3c6e91", Rgb{60, 110, 145}},
      {"#RRGGBB", "#3C6E91", Rgb{60, 110, 145}},
      {"rrggbb", "3c6e91", Rgb{60, 110, 145}},
      {"RRggBB mixed", "3C6e91", Rgb{60, 110, 145}},
      {"six digits are always hex", "100000", Rgb{16, 0, 0}},
      {"#rgb doubles each digit", "#fa0", Rgb{255, 170, 0}},
      {"#RGB", "#FA0", Rgb{255, 170, 0}},
      {"blanks and line ends at either end", " \t\r\n#3c6e91\r\n \t", Rgb{60, 110, 145}},
      {"rgb()", "rgb(255, 0, 0)", Rgb{255, 0, 0}},
      {"RGB() without blanks", "RGB(1,2,3)", Rgb{1, 2, 3}},
      {"Rgb() mixed case", "rGb(0, 128, 255)", Rgb{0, 128, 255}},
      {"blanks between every part", "rgb \t( 1 ,\t2 , 3 ) ", Rgb{1, 2, 3}},
      {"leading zeros", "rgb(007, 0000255, 000)", Rgb{7, 255, 0}},
      {"empty", "", std::nullopt},
      {"blanks only", " \t\r\n", std::nullopt},
      {"five digits", "#3c6e9", std::nullopt},
      {"seven digits", "#3c6e910", std::nullopt},
      {"five bare digits", "3c6e9", std::nullopt},
      {"three digits need the #", "fa0", std::nullopt},
      {"a letter that is no hex digit", "#3c6g91", std::nullopt},
      {"#rgb with a wrong digit", "#fz0", std::nullopt},
      {"two #", "##3c6e91", std::nullopt},
      {"a blank after the #", "# 3c6e91", std::nullopt},
      {"a blank among the digits", "#3c 6e91", std::nullopt},
      {"0x prefix", "0x3c6e91", std::nullopt},
      {"two colours on two lines", "#3c6e91\n#000000", std::nullopt},
      {"a colour number", "16711680", std::nullopt},
      {"a name", "red", std::nullopt},
      {"red out of range", "rgb(256, 0, 0)", std::nullopt},
      {"blue out of range", "rgb(0, 0, 1000)", std::nullopt},
      {"digits beyond any integer", "rgb(99999999999999999999, 0, 0)", std::nullopt},
      {"a minus sign", "rgb(-1, 0, 0)", std::nullopt},
      {"a plus sign", "rgb(+1, 0, 0)", std::nullopt},
      {"a fraction", "rgb(1.5, 2, 3)", std::nullopt},
      {"a percentage", "rgb(100%, 0, 0)", std::nullopt},
      {"two channels", "rgb(1, 2)", std::nullopt},
      {"four channels", "rgb(1, 2, 3, 4)", std::nullopt},
      {"an empty channel", "rgb(1, , 3)", std::nullopt},
      {"no closing bracket", "rgb(1, 2, 3", std::nullopt},
      {"blanks instead of commas", "rgb(1 2 3)", std::nullopt},
      {"rgba", "rgba(1, 2, 3)", std::nullopt},
      {"text after the bracket", "rgb(1, 2, 3) x", std::nullopt},
      {"a line feed inside", "rgb(\n1, 2, 3)", std::nullopt},
      {"our own hsl() form", "hsl(210, 48%, 59%)", std::nullopt},
      {"a non-ASCII digit",
       "#\xef\xbc\x93"
       "c6e91",
       std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<HexChannels> read = readPastedColor(row.text);
    ASSERT_EQ(read.has_value(), row.color.has_value());
    if (read) {
      EXPECT_EQ((Rgb{read->red, read->green, read->blue}), *row.color);
    }
  }
}

bool samePixels(const PixelImage& a, const PixelImage& b) {
  const auto count = static_cast<size_t>(a.width()) * static_cast<size_t>(a.height());
  return a.width() == b.width() && a.height() == b.height() &&
         std::equal(a.dibBits(), a.dibBits() + count, b.dibBits());
}

TEST(PasteColor, GoesTheRoadOfAScreenSample) {
  struct Row {
    const char* name;
    const char* text;
    PackedColor sampled;
  };
  const Row rows[] = {
      {"#rrggbb", "#3c6e91", packRgb(60, 110, 145)},
      {"rrggbb", "6496C8", packRgb(100, 150, 200)},
      {"#rgb", "#fa0", packRgb(255, 170, 0)},
      {"rgb()", " rgb(0, 128, 255)\r\n", packRgb(0, 128, 255)},
      {"a grey keeps the hue", "#808080", packRgb(128, 128, 128)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow pasted;
    pasted.start();
    pasted.form.optDim_Click(kGreen);
    pasted.platform.fakeClipboard.contents = row.text;
    pasted.form.pasteColor();

    HeadlessWindow sampled;
    sampled.start();
    sampled.form.optDim_Click(kGreen);
    sampled.platform.screen = [&row](int32_t, int32_t) { return row.sampled; };
    int16_t shift = kShiftKey;
    sampled.form.Form_KeyDown(shift, 0);
    sampled.tickSampler();
    sampled.form.Form_KeyUp(shift, 0);

    EXPECT_EQ(static_cast<const ColorState&>(pasted.form),
              static_cast<const ColorState&>(sampled.form));
    EXPECT_EQ(pasted.fieldTexts(), sampled.fieldTexts());
    EXPECT_TRUE(samePixels(pasted.imgMatrix.image(), sampled.imgMatrix.image()));
    EXPECT_TRUE(samePixels(pasted.imgVertical.image(), sampled.imgVertical.image()));
    EXPECT_TRUE(samePixels(pasted.imgCurColor.image(), sampled.imgCurColor.image()));
    EXPECT_EQ(pasted.picture(layout::Control::imgArrowLeft).top(),
              sampled.picture(layout::Control::imgArrowLeft).top());
    EXPECT_EQ(pasted.platform.fakeClipboard.contents, row.text);  // reading leaves it
  }
}

TEST(PasteColor, AnythingElseChangesNothing) {
  const std::optional<std::string> texts[] = {std::nullopt, "", "hsl(0, 100%, 50%)", "#12345",
                                              "rgb(256, 0, 0)"};
  for (const std::optional<std::string>& text : texts) {
    SCOPED_TRACE(text.value_or("(no text)"));
    HeadlessWindow window;
    window.start();
    window.showColor(210, 0.5, 0.75);
    const ColorState before = window.form;
    const std::array<std::string, kFieldCount> fields = window.fieldTexts();
    const int matrixRefreshes = window.imgMatrix.refreshCount;
    const int swatchRefreshes = window.imgCurColor.refreshCount;
    const int doEvents = window.window.doEventsCount;
    window.platform.fakeClipboard.contents = text;
    window.form.pasteColor();
    EXPECT_EQ(static_cast<const ColorState&>(window.form), before);
    EXPECT_EQ(window.fieldTexts(), fields);
    EXPECT_EQ(window.imgMatrix.refreshCount, matrixRefreshes);
    EXPECT_EQ(window.imgCurColor.refreshCount, swatchRefreshes);
    EXPECT_EQ(window.window.doEventsCount, doEvents);
    EXPECT_FALSE(window.form.swatchMenu().pasteEnabled);
  }
}

TEST(CopyColor, PutsTheHashFormOnTheClipboardAndChangesNothingElse) {
  HeadlessWindow window;
  window.start();
  window.showColor(210, 0.5, 0.75);
  window.platform.fakeClipboard.contents = "before";
  const std::array<std::string, kFieldCount> fields = window.fieldTexts();
  window.form.copyColor();
  EXPECT_EQ(window.platform.fakeClipboard.contents, "#608fbf");
  EXPECT_EQ(window.fieldTexts(), fields);

  window.platform.fakeClipboard.writable = false;  // held open by another program
  window.showColor(0, 1, 1);
  window.form.copyColor();
  EXPECT_EQ(window.platform.fakeClipboard.contents, "#608fbf");
}

TEST(SwatchMenu, ShowsTheFormsAndThePasteItemOfTheLanguage) {
  HeadlessWindow window;
  window.start();
  window.platform.fakeClipboard.contents = "#3c6e91";
  window.form.applyLanguage(kLanguageEnglish);
  SwatchMenu menu = window.form.swatchMenu();
  const std::array<std::string, kColorFormCount> startForms = {
      "#ff0000", "ff0000", "#FF0000", "rgb(255, 0, 0)", "hsl(360, 100%, 50%)"};
  EXPECT_EQ(menu.forms, startForms);
  EXPECT_EQ(menu.pasteCaption, "Paste color");
  EXPECT_TRUE(menu.pasteEnabled);

  window.form.applyLanguage(kLanguageHungarian);
  window.platform.fakeClipboard.contents = "hsl(360, 100%, 50%)";
  menu = window.form.swatchMenu();
  EXPECT_EQ(menu.pasteCaption, "Sz\u00edn beilleszt\u00e9se");
  EXPECT_FALSE(menu.pasteEnabled);
}

}  // namespace
}  // namespace tintwell
