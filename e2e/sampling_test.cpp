// SHIFT held over a window of known colours: the fields, the strip and the
// matrix follow the pixel under the pointer until a key goes up.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "core/packed_color.h"
#include "environment.h"
#include "expected_pixels.h"
#include "fakes/headless_window.h"
#include "held_input.h"
#include "input.h"
#include "patches_process.h"
#include "sampler/sampling.h"
#include "session.h"
#include "shell/layout.h"

namespace tintwell::e2e {
namespace {

struct Patch {
  const char* name;
  Rgb color;
  // Hue, saturation, brightness, red, green, blue, hex, number; a grey
  // leaves the hue field as it was, so its rows hold the hue they follow.
  FieldTexts texts;
};

const Patch kAzure{
    "azure", {0, 128, 255}, {"210", "100", "100", "0", "128", "255", "0080ff", "16744448"}};
const Patch kOrange{
    "orange", {255, 128, 0}, {"30", "100", "100", "255", "128", "0", "ff8000", "33023"}};
const Patch kWhiteAfterOrange{
    "white", {255, 255, 255}, {"30", "0", "100", "255", "255", "255", "ffffff", "16777215"}};
const Patch kGreyAfterOrange{
    "grey", {128, 128, 128}, {"30", "0", "50", "128", "128", "128", "808080", "8421504"}};
const Patch kSlate{
    "slate", {17, 34, 51}, {"210", "67", "20", "17", "34", "51", "112233", "3351057"}};

// The order the patches stand in on the screen.
enum PatchIndex : size_t { kAzureAt, kOrangeAt, kWhiteAt, kGreyAt, kSlateAt };
const std::vector<Rgb> kPatchColors{kAzure.color, kOrange.color, kWhiteAfterOrange.color,
                                    kGreyAfterOrange.color, kSlate.color};

// Clear of the window, which Wine puts at the top-left corner.
constexpr LONG kPatchesLeastLeft = 600;
constexpr LONG kPatchesGap = 40;
constexpr int kPatchSize = 48;
// Thirty sampler ticks: long enough to see a sampler that did not stop.
constexpr std::chrono::milliseconds kQuietPeriod{1000};
constexpr std::chrono::milliseconds kQuietLook{50};

// The strip's arrows have a grey outer column (the first of the left one, the
// last of the right one), as high as the arrow, on the button face.
constexpr Rgb kArrowEdge{0x73, 0x73, 0x73};

class SamplingTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    if (HasFatalFailure()) return;
    RECT window{};
    GetWindowRect(app_.window(), &window);
    const POINT topLeft{std::max(kPatchesLeastLeft, window.right + kPatchesGap),
                        window.top + kPatchesGap};
    ASSERT_EQ(patches_.show(topLeft, kPatchSize, kPatchColors), "");
    ASSERT_TRUE(bringToFront(app_.window())) << "the patches took the foreground";
  }

  FieldTexts fieldTexts() const {
    FieldTexts texts;
    for (int index = 0; index < kFieldCount; ++index) {
      texts.at(static_cast<size_t>(index)) = controlText(field(index));
    }
    return texts;
  }

  testing::AssertionResult fieldsFollow(const Patch& patch) const {
    if (waitUntil([&] { return fieldTexts() == patch.texts; }, kReactionLimit)) {
      return testing::AssertionSuccess();
    }
    return mismatch(patch);
  }

  // The fields keep the patch's texts while the sampler has many ticks' time
  // to take the pixel now under the pointer.
  testing::AssertionResult fieldsStay(const Patch& patch) const {
    const auto end = std::chrono::steady_clock::now() + kQuietPeriod;
    while (std::chrono::steady_clock::now() < end) {
      if (fieldTexts() != patch.texts) return mismatch(patch);
      std::this_thread::sleep_for(kQuietLook);
    }
    return testing::AssertionSuccess();
  }

  testing::AssertionResult mismatch(const Patch& patch) const {
    const FieldTexts shown = fieldTexts();
    auto failure = testing::AssertionFailure() << "fields for " << patch.name << ":";
    for (size_t index = 0; index < shown.size(); ++index) {
      if (shown.at(index) == patch.texts.at(index)) continue;
      failure << " txtInp(" << index << ") reads \"" << shown.at(index) << "\", not \""
              << patch.texts.at(index) << "\";";
    }
    return failure;
  }

  // A click on another option is handled after every key sent before it,
  // and changes no field.
  void waitForKeysHandled() {
    ASSERT_TRUE(click(centreOf(option(kSaturation))));
    ASSERT_TRUE(waitUntil([&] { return query(option(kSaturation), BM_GETCHECK) == BST_CHECKED; },
                          kReactionLimit));
  }

  void pointAt(PatchIndex index) { ASSERT_TRUE(movePointer(patches_.centreOf(index))); }

  ColorPatches patches_;
};

TEST_F(SamplingTest, FieldsFollowThePixelUnderThePointerUntilAKeyUp) {
  pointAt(kAzureAt);
  HeldKey shift(VK_SHIFT);
  EXPECT_TRUE(fieldsFollow(kAzure));

  const auto steps = std::to_array<std::pair<PatchIndex, const Patch*>>({
      {kOrangeAt, &kOrange},
      {kWhiteAt, &kWhiteAfterOrange},  // a grey keeps the hue of orange
      {kGreyAt, &kGreyAfterOrange},
      {kSlateAt, &kSlate},
  });
  for (const auto& [index, patch] : steps) {
    SCOPED_TRACE(patch->name);
    pointAt(index);
    EXPECT_TRUE(fieldsFollow(*patch));
  }

  shift.release();
  waitForKeysHandled();
  pointAt(kOrangeAt);
  EXPECT_TRUE(fieldsStay(kSlate)) << "the sampler went on after the key-up";

  // Only the next SHIFT key-down starts it again.
  HeldKey shiftAgain(VK_SHIFT);
  EXPECT_TRUE(fieldsFollow(kOrange));
}

struct OtherKey {
  const char* name;
  WORD virtualKey;
};

class SamplingOtherKeyTest : public SamplingTest, public testing::WithParamInterface<OtherKey> {};

TEST_P(SamplingOtherKeyTest, DownKeepsSamplingAndUpStopsIt) {
  pointAt(kAzureAt);
  HeldKey shift(VK_SHIFT);
  ASSERT_TRUE(fieldsFollow(kAzure));
  HeldKey other(GetParam().virtualKey);
  pointAt(kOrangeAt);
  EXPECT_TRUE(fieldsFollow(kOrange)) << "the key-down stopped the sampler";

  other.release();
  waitForKeysHandled();
  pointAt(kSlateAt);
  EXPECT_TRUE(fieldsStay(kOrange)) << "the sampler went on after the key-up, SHIFT still down";
}

// The matrix has the focus, where a letter types nothing.
INSTANTIATE_TEST_SUITE_P(Sampling, SamplingOtherKeyTest,
                         testing::Values(OtherKey{"control", VK_CONTROL}, OtherKey{"letter", 'A'}),
                         [](const testing::TestParamInfo<OtherKey>& info) {
                           return info.param.name;
                         });

// --- The strip and the matrix, against a headless window given the same samples.

// Where the arrow's grey edge column starts; -1 when it is not nine rows of it.
int arrowTop(const Screenshot& shot, int column) {
  const DrawingArea strip = drawingArea(layout::Control::imgVertical);
  const int arrowHeight = layout::findControl(layout::Control::imgArrowLeft)->height;
  for (int y = strip.top - arrowHeight; y < strip.top + kSurfaceSide; ++y) {
    if (shot.pixel(column, y) != kArrowEdge) continue;
    for (int row = 1; row < arrowHeight; ++row) {
      if (shot.pixel(column, y + row) != kArrowEdge) return -1;
    }
    return y;
  }
  return -1;
}

void sampleInTwin(fakes::HeadlessWindow& twin, const Rgb& color) {
  twin.platform.screen = [color](int32_t, int32_t) {
    return packRgb(color.red, color.green, color.blue);
  };
  int16_t shiftCode = kShiftKeyCode;
  twin.form.Form_KeyDown(shiftCode, 0);
  twin.tickSampler();
}

testing::AssertionResult showsTwin(const Screenshot& shot, fakes::HeadlessWindow& twin) {
  if (auto matrix =
          showsImage(shot, drawingArea(layout::Control::imgMatrix), twin.imgMatrix.image());
      !matrix) {
    return matrix;
  }
  if (auto strip =
          showsImage(shot, drawingArea(layout::Control::imgVertical), twin.imgVertical.image());
      !strip) {
    return strip;
  }
  const int left = arrowTop(shot, twin.picture(layout::Control::imgArrowLeft).left());
  const int right = arrowTop(shot, twin.picture(layout::Control::imgArrowRight).left() +
                                       twin.picture(layout::Control::imgArrowRight).width() - 1);
  if (left != twin.picture(layout::Control::imgArrowLeft).top() ||
      right != twin.picture(layout::Control::imgArrowRight).top()) {
    return testing::AssertionFailure()
           << "arrows at " << left << " and " << right << ", not "
           << twin.picture(layout::Control::imgArrowLeft).top() << " and "
           << twin.picture(layout::Control::imgArrowRight).top();
  }
  return testing::AssertionSuccess();
}

TEST_F(SamplingTest, StripArrowsAndMatrixFollowTheSample) {
  fakes::HeadlessWindow twin;
  twin.start();
  pointAt(kAzureAt);
  HeldKey shift(VK_SHIFT);
  // A grey after orange: the strip and the matrix keep orange's hue.
  const auto steps = std::to_array<std::pair<PatchIndex, const char*>>({
      {kAzureAt, "azure"},
      {kOrangeAt, "orange"},
      {kGreyAt, "grey after orange"},
  });
  for (const auto& [index, name] : steps) {
    SCOPED_TRACE(name);
    pointAt(index);
    sampleInTwin(twin, kPatchColors.at(index));
    const Screenshot shot =
        waitForClientPicture([&](const Screenshot& picture) { return showsTwin(picture, twin); });
    EXPECT_TRUE(showsTwin(shot, twin));
  }
}

}  // namespace
}  // namespace tintwell::e2e
