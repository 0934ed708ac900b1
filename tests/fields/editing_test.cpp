#include <gtest/gtest.h>

#include <cstdio>

#include "fakes/headless_window.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;
using Texts = std::array<std::string, kFieldCount>;

std::string hexOf(const frmColor& form) {
  char text[8];
  std::snprintf(text, sizeof text, "%02x%02x%02x", form.iRed, form.iGreen, form.iBlue);
  return text;
}

struct TypingRow {
  const char* name;
  int field;
  std::string typed;      // replaces the field's text in one change, as a paste does
  std::string textAfter;  // what the typed-in field then shows
  std::string hex;        // the colour it leads to
};

// Start-up colour: 360, 100, 100, 255, 0, 0, ff0000, 255.
const TypingRow kTyping[] = {
    {"hue 12a reads 12", 0, "12a", "12a", "ff3300"},
    {"hue with a blank inside", 0, "1 2", "1 2", "ff3300"},
    {"hue 400 becomes 360", 0, "400", "360", "ff0000"},
    {"hue -5 becomes 0", 0, "-5", "0", "ff0000"},
    {"hue 4e4 becomes 360", 0, "4e4", "360", "ff0000"},
    {"hue emptied counts as 0 and stays empty", 0, "", "", "ff0000"},
    {"saturation 50", 1, "50", "50", "ff8080"},
    {"saturation 150 becomes 100", 1, "150", "100", "ff0000"},
    {"saturation 1e2", 1, "1e2", "1e2", "ff0000"},
    {"brightness letters count as 0", 2, "zz", "zz", "000000"},
    {"brightness 1e4 becomes 100", 2, "1e4", "100", "ff0000"},
    {"red 300 becomes 255", 3, "300", "255", "ff0000"},
    {"red -7 becomes 0", 3, "-7", "0", "000000"},
    {"red 1.5 counts as 2 and stays as typed", 3, "1.5", "1.5", "020000"},
    {"red 2.5 counts as 2", 3, "2.5", "2.5", "020000"},
    {"red &HF", 3, "&HF", "&HF", "0f0000"},
    {"red 4e4 becomes 255", 3, "4e4", "255", "ff0000"},
    {"red a lone minus counts as 0", 3, "-", "-", "000000"},
    {"green 128", 4, "128", "128", "ff8000"},
    {"hex f is blue 15", 6, "f", "f", "00000f"},
    {"hex ff is blue 255", 6, "ff", "ff", "0000ff"},
    {"hex ff0", 6, "ff0", "ff0", "000ff0"},
    {"hex capitals", 6, "00FF00", "00FF00", "00ff00"},
    {"hex non-digits count as 0", 6, "zz", "zz", "000000"},
    {"hex g1", 6, "g1g1g1", "g1g1g1", "010101"},
    {"hex an accented letter is one character", 6, "\u00e91f", "\u00e91f", "00001f"},
    {"colour number green", 7, "65280", "65280", "00ff00"},
    {"colour number too big", 7, "16777216", "16777215", "ffffff"},
    {"colour number 3e9", 7, "3e9", "16777215", "ffffff"},
    {"colour number 1e400", 7, "1e400", "16777215", "ffffff"},
    {"colour number -1", 7, "-1", "0", "000000"},
    {"colour number -1e400", 7, "-1e400", "0", "000000"},
    {"colour number 99999999", 7, "99999999", "16777215", "ffffff"},
};

TEST(Typing, EachGroupReadsCorrectsAndConverts) {
  for (const auto& row : kTyping) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    window.start();
    window.replaceText(row.field, row.typed);
    EXPECT_EQ(window.fields[static_cast<size_t>(row.field)]->text(), row.textAfter);
    EXPECT_EQ(hexOf(window.form), row.hex);
    if (row.field != 6) {
      EXPECT_EQ(window.fields[6]->text(), row.hex);
    }
    EXPECT_GE(window.form.dHue, 0.0);
    EXPECT_LE(window.form.dHue, 360.0);
    EXPECT_TRUE(window.form.bInpFocus);
  }
}

TEST(Typing, SaturationFiftyReReadsTheOtherHsvFields) {
  HeadlessWindow window;
  window.start();
  window.replaceText(1, "50");
  const Texts expected = {"360", "50", "100", "255", "128", "128", "ff8080", "8421631"};
  EXPECT_EQ(window.fieldTexts(), expected);
  EXPECT_DOUBLE_EQ(window.form.dSat, 0.5);
  EXPECT_DOUBLE_EQ(window.form.dHue, 360);
}

TEST(Typing, AnHsvEditReplacesAFractionalHueByTheShownInteger) {
  HeadlessWindow window;
  window.start();
  window.form.dHue = 123.4;
  window.form.refreshInputs(-1);
  window.replaceText(2, "90");
  EXPECT_DOUBLE_EQ(window.form.dHue, 123);
  EXPECT_DOUBLE_EQ(window.form.dVal, 0.9);
}

TEST(Typing, ACorrectionPutsTheCaretBack) {
  HeadlessWindow window;
  window.start();
  window.focusField(3);
  window.fields[3]->setText("");  // guard on: read as typing
  window.fields[3]->type("30");
  window.fields[3]->setSelStart(1);
  window.fields[3]->type("9");  // "390" with the caret after the 9
  EXPECT_EQ(window.fields[3]->text(), "255");
  EXPECT_EQ(window.fields[3]->selStart(), 2);
}

TEST(Typing, TheFieldsRefuseCharactersBeyondTheirLength) {
  HeadlessWindow window;
  window.start();
  window.typeInto(6, "1234567");
  EXPECT_EQ(window.fields[6]->text(), "ff0000");  // full already: nothing is taken
  window.replaceText(6, "");
  window.typeInto(6, "1234567");
  EXPECT_EQ(window.fields[6]->text(), "123456");
  EXPECT_EQ(window.fields[3]->text(), "18");
}

TEST(Typing, RgbGreyKeepsTheHue) {
  HeadlessWindow window;
  window.start();
  window.form.dHue = 200;
  window.form.refreshInputs(-1);
  window.fields[3]->setText("128");  // no focus yet: not read as typing
  window.fields[4]->setText("128");
  window.replaceText(5, "128");
  EXPECT_EQ(window.fields[0]->text(), "200");
  EXPECT_EQ(window.fields[1]->text(), "0");
  EXPECT_EQ(window.fields[2]->text(), "50");
}

TEST(Typing, ProgramWritesWithoutFocusChangeNothing) {
  HeadlessWindow window;
  window.start();
  window.fields[3]->setText("0");
  window.fields[6]->setText("00ff00");
  EXPECT_EQ(window.form.lCurColor, 255);
}

// The colour-number correction keeps the guard on, so the corrected text is
// handled once more, nested, and the outer handling goes on with that colour.
TEST(Typing, TheNestedColorNumberCorrectionEndsInRange) {
  HeadlessWindow window;
  window.start();
  int changes = 0;
  auto& field = *window.fields[7];
  field.onChange = [&] {
    ++changes;
    window.form.txtInp_Change(7);
  };
  window.replaceText(7, "20000000");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(field.text(), "16777215");
  EXPECT_EQ(window.fields[6]->text(), "ffffff");
}

// The corrected text is handled nested, and a click queued behind it runs in
// that handling's refresh. The outer handling used to go on with its white
// and write it over every field but the colour number, which kept the click's.
TEST(Typing, AColorNumberCorrectionDoesNotWriteItsColorOverAClickQueuedBehindIt) {
  constexpr int kBlueDimension = 5;
  const auto click = [](HeadlessWindow& window) {
    window.form.imgMatrix_MouseDown(1, 0, 86, 127);
    window.form.imgMatrix_MouseUp(1, 0, 86, 127);
  };
  HeadlessWindow clickedOnWhite;
  clickedOnWhite.start();
  clickedOnWhite.form.optDim_Click(kBlueDimension);
  clickedOnWhite.replaceText(7, "16777215");
  click(clickedOnWhite);

  HeadlessWindow window;
  window.start();
  window.form.optDim_Click(kBlueDimension);
  window.focusField(7);
  window.window.post([&] { click(window); });
  window.fields[7]->selectAllAndType("20000000");
  EXPECT_EQ(window.fieldTexts(), clickedOnWhite.fieldTexts());
  EXPECT_EQ(window.form.lCurColor, clickedOnWhite.form.lCurColor);
  EXPECT_EQ(window.imgCurColor.image().pixel(0, 0), clickedOnWhite.imgCurColor.image().pixel(0, 0));
}

TEST(Typing, QueuedKeystrokesRunInsideTheRefreshWithTheGuardRestored) {
  HeadlessWindow window;
  window.start();
  window.focusField(4);
  window.window.post([&] { window.fields[4]->type("0"); });  // arrives during the refresh
  window.fields[4]->selectAllAndType("1");
  EXPECT_EQ(window.fields[4]->text(), "10");
  EXPECT_EQ(window.fields[6]->text(), "ff0a00");
}

}  // namespace
}  // namespace tintwell
