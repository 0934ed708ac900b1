#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/headless_window.h"
#include "fields/field_write.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;
using fakes::SurfaceGeometry;

// The real field and the fake one skip a write by this rule.
TEST(FieldWrites, OnlyAWriteThatWouldLeaveTheFieldAsItIsIsSkipped) {
  struct Row {
    const char* name;
    const char* shown;
    const char* written;
    EditState state;
    bool skipped;
  };
  const Row rows[] = {
      {"the same text, as a write left it", "255", "255", {}, true},
      {"empty over empty", "", "", {}, true},
      {"another text", "255", "254", {}, false},
      {"the caret moved", "255", "255", {2, 2, false}, false},
      {"text selected, as TAB leaves it", "255", "255", {0, 3, false}, false},
      {"something to undo", "255", "255", {0, 0, true}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    bool asked = false;
    const bool skipped = readsAsWritten(row.shown, row.written, [&] {
      asked = true;
      return row.state;
    });
    EXPECT_EQ(skipped, row.skipped);
    EXPECT_EQ(asked, std::string_view(row.shown) == row.written) << "the text is asked first";
  }
}

TEST(FieldTexts, RoundHalvesToEvenAndWriteEveryForm) {
  struct Row {
    const char* name;
    double hue, saturation, value;
    std::array<std::string, kFieldCount> texts;
  };
  const Row rows[] = {
      {"hue 359.6 shows 360",
       359.6,
       1,
       1,
       {"360", "100", "100", "255", "0", "2", "ff0002", "131327"}},
      {"hue 2.5 shows 2", 2.5, 1, 1, {"2", "100", "100", "255", "11", "0", "ff0b00", "3071"}},
      {"hue 3.5 shows 4", 3.5, 1, 1, {"4", "100", "100", "255", "15", "0", "ff0f00", "4095"}},
      {"saturation 0.125 shows 12",
       0,
       0.125,
       1,
       {"0", "12", "100", "255", "223", "223", "ffdfdf", "14671871"}},
      {"saturation 0.375 shows 38",
       0,
       0.375,
       1,
       {"0", "38", "100", "255", "159", "159", "ff9f9f", "10461183"}},
      {"white", 0, 0, 1, {"0", "0", "100", "255", "255", "255", "ffffff", "16777215"}},
      {"hex digits of 0080ff",
       210,
       1,
       1,
       {"210", "100", "100", "0", "128", "255", "0080ff", "16744448"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    HeadlessWindow window;
    window.start();
    window.showColor(row.hue, row.saturation, row.value);
    EXPECT_EQ(window.fieldTexts(), row.texts);
  }
}

TEST(Refresh, SkipsTheFieldBeingTypedIn) {
  HeadlessWindow window;
  window.start();
  window.fields[6]->setText("ff");
  window.form.convRGB2HSV(0, 0, 255);
  window.form.refreshInputs(6);
  const std::array<std::string, kFieldCount> expected = {"240", "100", "100", "0",
                                                         "0",   "255", "ff",  "16711680"};
  EXPECT_EQ(window.fieldTexts(), expected);
}

TEST(Refresh, WritesInOrderWithTheGuardHeldFalseAndRestoredBeforePendingEvents) {
  HeadlessWindow window;
  window.start();
  std::vector<int> order;
  std::vector<bool> guardSeen;
  for (int index = 0; index < kFieldCount; ++index) {
    window.fields[static_cast<size_t>(index)]->onChange = [&, index] {
      order.push_back(index);
      guardSeen.push_back(window.form.bInpFocus);
    };
  }
  bool guardInPendingEvent = false;
  window.window.post([&] { guardInPendingEvent = window.form.bInpFocus; });
  window.form.bInpFocus = true;
  window.form.refreshInputs(2);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 3, 4, 5, 7, 6}));
  EXPECT_EQ(guardSeen, std::vector<bool>(7, false));
  EXPECT_TRUE(window.form.bInpFocus);
  EXPECT_TRUE(guardInPendingEvent);
}

TEST(Refresh, AFieldWriteThatThrowsLeavesTheGuardAsItWas) {
  for (const bool guard : {true, false}) {
    SCOPED_TRACE(guard);
    HeadlessWindow window;
    window.start();
    window.fields[kRedField]->onChange = [] { throw std::runtime_error("the write failed"); };
    window.form.bInpFocus = guard;
    EXPECT_THROW(window.form.refreshInputs(kNoField), std::runtime_error);
    EXPECT_EQ(window.form.bInpFocus, guard);
  }
}

TEST(Refresh, AFieldWithFocusIsRewrittenWithoutBeingReadAsTyping) {
  HeadlessWindow window;
  window.start();
  window.focusField(3);
  window.form.dHue = 120;
  window.form.refreshInputs(-1);
  EXPECT_EQ(window.fields[3]->text(), "0");
  EXPECT_EQ(window.fields[4]->text(), "255");
  EXPECT_DOUBLE_EQ(window.form.dHue, 120);
  EXPECT_TRUE(window.form.bInpFocus);
}

// The swatch is filled by doubling copies; at any width every pixel is painted.
TEST(Swatch, FillsCompletelyAtAnyWidth) {
  for (int innerWidth : {1, 2, 3, 4, 5, 6, 7, 8, 9, 85}) {
    SCOPED_TRACE(innerWidth);
    constexpr int kInnerHeight = 45;
    const SurfaceGeometry geometry{
        336, 88, innerWidth + 4, kInnerHeight + 4, innerWidth * 15, kInnerHeight * 15};
    HeadlessWindow window(geometry);
    window.start();
    window.imgCurColor.image().fill(0);
    window.form.dHue = 120;
    window.form.refreshInputs(-1);
    const PixelImage& swatch = window.imgCurColor.image();
    for (int y = 0; y < swatch.height(); ++y) {
      for (int x = 0; x < swatch.width(); ++x) {
        ASSERT_EQ(swatch.pixel(x, y), packRgb(0, 255, 0)) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace tintwell
