#include <gtest/gtest.h>

#include <optional>

#include "core/mod_color.h"
#include "fakes/headless_window.h"
#include "sampler/mod_color_capture.h"
#include "sampler/sampling.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;

constexpr int16_t kShift = 16;
constexpr int16_t kControl = 17;
constexpr int16_t kLetterA = 65;

void keyDown(HeadlessWindow& window, int16_t code) {
  int16_t keyCode = code;
  window.form.Form_KeyDown(keyCode, 0);
  EXPECT_EQ(keyCode, code);  // the key still reaches the focused control
}

void keyUp(HeadlessWindow& window, int16_t code) {
  int16_t keyCode = code;
  window.form.Form_KeyUp(keyCode, 0);
  EXPECT_EQ(keyCode, code);
}

TEST(Sampler, ShiftStartsSamplingAndAnyKeyUpStopsIt) {
  HeadlessWindow window;
  window.start();
  window.platform.cursor = {700, 40};
  window.platform.screen = [](int32_t x, int32_t y) {
    return x == 700 && y == 40 ? packRgb(0, 128, 255) : packRgb(1, 2, 3);
  };

  window.tickSampler();  // enabled at creation, but nothing until SHIFT
  EXPECT_TRUE(window.platform.screenReads.empty());

  keyDown(window, kControl);
  window.tickSampler();
  EXPECT_TRUE(window.platform.screenReads.empty());

  keyDown(window, kShift);
  EXPECT_TRUE(bSampling);
  window.tickSampler();
  const std::array<std::string, kFieldCount> expected = {"210", "100", "100",    "0",
                                                         "128", "255", "0080ff", "16744448"};
  EXPECT_EQ(window.fieldTexts(), expected);
  EXPECT_EQ(modColor::ptMouse.x, 700);
  EXPECT_EQ(window.form.iVerticalPos, 106);  // (360 - 210) / 360 * 255 = 106.25
  keyUp(window, kControl);
  EXPECT_FALSE(bSampling);
  EXPECT_FALSE(window.tmSampler.enabled());
  window.form.tmSampler_Timer();  // a tick already queued does nothing now
  EXPECT_EQ(window.platform.screenReads.size(), 1u);
}

TEST(Sampler, ACapitalLetterSamplesUntilItsKeyUp) {
  HeadlessWindow window;
  window.start();
  window.focusField(kHexField);
  keyDown(window, kShift);
  keyDown(window, kLetterA);
  EXPECT_TRUE(bSampling);
  keyUp(window, kLetterA);
  EXPECT_FALSE(bSampling);
}

TEST(Sampler, EveryTickRewritesEveryFieldAlsoTheOneBeingTypedIn) {
  HeadlessWindow window;
  window.start();
  window.replaceText(kHexField, "ab");
  window.platform.screen = [](int32_t, int32_t) { return packRgb(10, 20, 30); };
  keyDown(window, kShift);
  window.tickSampler();
  EXPECT_EQ(window.fields[kHexField]->text(), "0a141e");
  const int reads = static_cast<int>(window.platform.screenReads.size());
  window.tickSampler();  // unchanged pointer and colour: read and drawn again
  EXPECT_EQ(static_cast<int>(window.platform.screenReads.size()), reads + 1);
}

TEST(Sampler, AnUnreadablePixelIsWhiteAndGreysKeepTheHue) {
  HeadlessWindow window;
  window.start();
  window.form.dHue = 200;
  keyDown(window, kShift);
  window.platform.screen = [](int32_t, int32_t) { return kInvalidColor; };
  window.tickSampler();
  EXPECT_EQ(window.fields[kHexField]->text(), "ffffff");
  EXPECT_DOUBLE_EQ(window.form.dHue, 200);
  EXPECT_EQ(window.fields[kHueField]->text(), "200");
}

TEST(Sampler, AnUnreadablePointerReadsThePointHeldBefore) {
  HeadlessWindow window;
  window.start();
  modColor::ptMouse = {12, 34};
  window.platform.cursorReadable = false;
  keyDown(window, kShift);
  window.tickSampler();
  ASSERT_EQ(window.platform.screenReads.size(), 1u);
  EXPECT_EQ(window.platform.screenReads[0].x, 12);
  EXPECT_EQ(window.platform.screenReads[0].y, 34);
}

TEST(CapturePixel, AReadInsideAReadReturnsBlackWithoutReading) {
  HeadlessWindow window;
  std::optional<PackedColor> inner;
  window.platform.screen = [](int32_t, int32_t) { return packRgb(9, 9, 9); };
  window.platform.duringScreenRead = [&] {
    window.platform.duringScreenRead = nullptr;
    inner = modColorCapture::capturePixel(window.platform, 1, 1);
  };
  EXPECT_EQ(modColorCapture::capturePixel(window.platform, 5, 5), packRgb(9, 9, 9));
  EXPECT_EQ(inner, PackedColor{0});
  EXPECT_EQ(window.platform.screenReads.size(), 1u);
  EXPECT_FALSE(modColorCapture::bCapturing);
}

// A tick that runs inside another tick's refresh leaves its colour on the
// strip and the matrix: the outer tick draws from the state it left.
TEST(Sampler, ANestedTickLeavesTheLatestSampleOnEverySurface) {
  HeadlessWindow window;
  window.start();
  window.form.optDim_Click(kRed);  // red strip: rows depend on green and blue
  keyDown(window, kShift);
  int reads = 0;
  window.platform.screen = [&](int32_t, int32_t) {
    return ++reads == 1 ? packRgb(10, 20, 30) : packRgb(200, 100, 50);
  };
  window.window.post([&] { window.tickSampler(); });
  window.tickSampler();
  EXPECT_EQ(reads, 2);
  EXPECT_EQ(window.fields[kHexField]->text(), "c86432");
  EXPECT_EQ(window.imgVertical.image().pixel(0, 0), packRgb(255, 100, 50));
  EXPECT_EQ(window.form.iVerticalPos, 55);
  EXPECT_EQ(window.form.iMatrixX, 50);
  EXPECT_EQ(window.form.iMatrixY, 155);
}

}  // namespace
}  // namespace tintwell
