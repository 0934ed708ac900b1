// Typing into the value fields with real keystrokes: every field, the swatch
// and both surfaces follow, out-of-range entries take their limits and the
// field being typed in keeps what was typed.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "environment.h"
#include "expected_pixels.h"
#include "input.h"

namespace tintwell::e2e {
namespace {

constexpr int kCaretUnchecked = -1;

class TypingTest : public TwinWindowTest {
 protected:
  void chooseDimension(int index) {
    ASSERT_TRUE(click(centreOf(option(index))));
    ASSERT_TRUE(waitUntil([&] { return query(option(index), BM_GETCHECK) == BST_CHECKED; },
                          kReactionLimit));
    twin_.form.optDim_Click(static_cast<int16_t>(index));
  }

  // The caret of a field, where a selection would start. A correction puts it
  // back only after the nested handling of its own text, which may let this
  // read in between: so it is waited for.
  testing::AssertionResult caretAt(int index, int position) const {
    int shown = 0;
    const bool there = waitUntil(
        [&] {
          shown = LOWORD(query(field(index), EM_GETSEL));
          return shown == position;
        },
        kReactionLimit);
    if (there) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the caret is at " << shown << ", not " << position;
  }

  testing::AssertionResult swatchPainted(const Screenshot& shot, Rgb color) const {
    const DrawingArea swatch = drawingArea(layout::Control::imgCurColor);
    for (int y = swatch.top; y < swatch.top + swatch.height; ++y) {
      for (int x = swatch.left; x < swatch.left + swatch.width; ++x) {
        if (shot.pixel(x, y) != color) {
          return testing::AssertionFailure() << "client (" << x << ", " << y << ") shows "
                                             << shot.pixel(x, y) << ", not " << color;
        }
      }
    }
    return testing::AssertionSuccess();
  }
};

struct Entry {
  const char* name;
  int index;
  const char* typed;
  FieldTexts shown;
  Rgb swatch;
  int caret;
};

// One after another from pure red; each row starts from the colour the row
// before it left.
const auto kEntries = std::to_array<Entry>({
    {"hue 200",
     kHueField,
     "200",
     {"200", "100", "100", "0", "170", "255", "00aaff", "16755200"},
     {0, 170, 255},
     kCaretUnchecked},
    {"saturation 50: red 127.5 goes to 128",
     kSaturationField,
     "50",
     {"200", "50", "100", "128", "212", "255", "80d4ff", "16766080"},
     {128, 212, 255},
     kCaretUnchecked},
    {"brightness 30: blue 76.5 goes to 76",
     kBrightnessField,
     "30",
     {"200", "50", "30", "38", "64", "76", "26404c", "4997158"},
     {38, 64, 76},
     kCaretUnchecked},
    {"red 300 takes 255, the caret stays",
     kRedField,
     "300",
     {"356", "75", "100", "255", "64", "76", "ff404c", "4997375"},
     {255, 64, 76},
     3},
    {"green 1.5 counts as 2 and stays as typed",
     kGreenField,
     "1.5",
     {"342", "99", "100", "255", "1.5", "76", "ff024c", "4981503"},
     {255, 2, 76},
     kCaretUnchecked},
    {"hex 0080ff",
     kHexField,
     "0080ff",
     {"210", "100", "100", "0", "128", "255", "0080ff", "16744448"},
     {0, 128, 255},
     kCaretUnchecked},
    {"colour number 65280 is pure green",
     kColorNumberField,
     "65280",
     {"120", "100", "100", "0", "255", "0", "00ff00", "65280"},
     {0, 255, 0},
     kCaretUnchecked},
});

TEST_F(TypingTest, EachFieldSetsTheColorEverywhere) {
  // The strip and the matrix of this dimension depend on all three values.
  chooseDimension(kBrightness);
  ASSERT_FALSE(HasFatalFailure());
  for (const Entry& entry : kEntries) {
    SCOPED_TRACE(entry.name);
    typeInto(entry.index, entry.typed);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(fieldsRead(entry.shown));
    if (entry.caret != kCaretUnchecked) {
      EXPECT_TRUE(caretAt(entry.index, entry.caret));
    }
    const Screenshot shot = waitForTwinPicture();
    EXPECT_TRUE(showsTwinSurfaces(shot));
    EXPECT_TRUE(swatchPainted(shot, entry.swatch));
  }
}

struct Correction {
  const char* name;
  int index;
  const char* typed;
  const char* shown;
  int caret;
};

TEST_F(TypingTest, EntriesPastTheirLimitsAreCorrected) {
  chooseDimension(kGreen);
  ASSERT_FALSE(HasFatalFailure());
  constexpr auto kRows = std::to_array<Correction>({
      {"hue 400 takes 360", kHueField, "400", "360", 3},
      {"hue -5 takes 0", kHueField, "-5", "0", kCaretUnchecked},
      {"saturation 150 takes 100", kSaturationField, "150", "100", 3},
      {"red -7 takes 0", kRedField, "-7", "0", kCaretUnchecked},
      {"red 4e4, past 16 bits, takes 255", kRedField, "4e4", "255", 3},
      {"colour number past the largest takes it", kColorNumberField, "99999999", "16777215", 8},
      {"colour number 3e9, past 32 bits, takes the largest", kColorNumberField, "3e9", "16777215",
       3},
      {"colour number -1 takes 0", kColorNumberField, "-1", "0", kCaretUnchecked},
  });
  for (const Correction& row : kRows) {
    SCOPED_TRACE(row.name);
    typeInto(row.index, row.typed);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(fieldReads(row.index, row.shown)) << controlText(field(row.index));
    if (row.caret != kCaretUnchecked) {
      EXPECT_TRUE(caretAt(row.index, row.caret));
    }
    EXPECT_TRUE(fieldsRead(twin_.fieldTexts()));
    EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture()));
  }
}

TEST_F(TypingTest, UnreadableEntriesCountAsZeroAndStayAsTyped) {
  chooseDimension(kSaturation);
  ASSERT_FALSE(HasFatalFailure());
  struct Kept {
    const char* name;
    int index;
    const char* typed;
    Rgb color;
  };
  constexpr auto kRows = std::to_array<Kept>({
      {"an emptied red field counts as 0", kRedField, "", {0, 0, 0}},
      {"blue 12a reads 12", kBlueField, "12a", {0, 0, 12}},
      {"hex ff0 is green 15 and blue 240", kHexField, "ff0", {0, 15, 240}},
      {"hex zz is black", kHexField, "zz", {0, 0, 0}},
      {"hex c0ffee, letters typed without SHIFT", kHexField, "c0ffee", {192, 255, 238}},
      {"an emptied brightness field counts as 0", kBrightnessField, "", {0, 0, 0}},
  });
  for (const Kept& row : kRows) {
    SCOPED_TRACE(row.name);
    typeInto(row.index, row.typed);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(fieldReads(row.index, row.typed)) << controlText(field(row.index));
    EXPECT_TRUE(fieldsRead(twin_.fieldTexts()));
    const Screenshot shot = waitForTwinPicture();
    EXPECT_TRUE(showsTwinSurfaces(shot));
    EXPECT_TRUE(swatchPainted(shot, row.color));
  }
}

TEST_F(TypingTest, TypingOneHsvFieldRereadsTheOthersAsShown) {
  // A click in the matrix (hue mode) leaves fractions that show rounded.
  const DrawingArea matrix = drawingArea(layout::Control::imgMatrix);
  constexpr POINT kAt{128, 64};
  constexpr auto kAtX = static_cast<float>(kAt.x);
  constexpr auto kAtY = static_cast<float>(kAt.y);
  ASSERT_TRUE(click(app_.toScreen({matrix.left + kAt.x, matrix.top + kAt.y})));
  twin_.form.imgMatrix_MouseDown(kLeftButton, 0, kAtX, kAtY);
  twin_.form.imgMatrix_MouseUp(kLeftButton, 0, kAtX, kAtY);
  ASSERT_TRUE(fieldsRead(twin_.fieldTexts()));

  typeInto(0, "200");
  ASSERT_FALSE(HasFatalFailure());
  ColorState asShown;
  asShown.dHue = 200.0;
  asShown.dSat = 0.5;
  asShown.dVal = 0.75;
  EXPECT_TRUE(fieldsRead(fieldTextsFor(asShown)));
  EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture()));
}

}  // namespace
}  // namespace tintwell::e2e
