// The header band as it reaches the screen: the flags against the right edge,
// the version in silver, and a screenshot of the started window kept as evidence.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>

#include "environment.h"
#include "session.h"
#include "shell/layout.h"

namespace tintwell::e2e {
namespace {

constexpr Rgb kWhite{255, 255, 255};
// How far apart a grey's channels may lie, and how dark or light it may be
// while still being neither black nor the white band.
constexpr int kGreyTolerance = 12;
constexpr int kDarkestGrey = 40;
constexpr int kLightestGrey = 235;

int channelSpread(const Rgb& color) {
  const auto [low, high] = std::minmax({color.red, color.green, color.blue});
  return high - low;
}

bool isFrameGrey(const Rgb& color) {
  return channelSpread(color) <= kGreyTolerance && color.red >= kDarkestGrey &&
         color.red <= kLightestGrey;
}

// The one-pixel frame of a flag, and the white band right around it.
bool flagFramedAt(const Screenshot& shot, const layout::ControlDesign& flag) {
  const int left = flag.left;
  const int top = flag.top;
  const int right = left + flag.width - 1;
  const int bottom = top + flag.height - 1;
  for (int x = left; x <= right; ++x) {
    if (!isFrameGrey(shot.pixel(x, top)) || !isFrameGrey(shot.pixel(x, bottom))) {
      return false;
    }
    if (shot.pixel(x, top - 1) != kWhite || shot.pixel(x, bottom + 1) != kWhite) return false;
  }
  for (int y = top; y <= bottom; ++y) {
    if (!isFrameGrey(shot.pixel(left, y)) || !isFrameGrey(shot.pixel(right, y))) return false;
    if (shot.pixel(left - 1, y) != kWhite || shot.pixel(right + 1, y) != kWhite) return false;
  }
  return true;
}

TEST_F(StartedWindowTest, FlagsStandAgainstTheRightEdge) {
  const layout::ControlDesign& english = *layout::findControl(layout::Control::imgLangENG);
  const layout::ControlDesign& hungarian = *layout::findControl(layout::Control::imgLangHUN);
  const Screenshot shot = waitForClientPicture([&](const Screenshot& picture) {
    return flagFramedAt(picture, english) && flagFramedAt(picture, hungarian);
  });
  EXPECT_TRUE(flagFramedAt(shot, english)) << "English flag at x " << english.left;
  EXPECT_TRUE(flagFramedAt(shot, hungarian)) << "Hungarian flag at x " << hungarian.left;
}

struct Stripe {
  const char* name;
  int y;
  bool (*looksRight)(const Rgb&);
};

TEST_F(StartedWindowTest, HungarianFlagShowsRedWhiteGreen) {
  constexpr int kClearMargin = 40;
  constexpr int kWhitish = 200;
  constexpr auto kStripes = std::to_array<Stripe>({
      {"red", 7,
       [](const Rgb& c) {
         return c.red > c.green + kClearMargin && c.red > c.blue + kClearMargin;
       }},
      {"white", 13,
       [](const Rgb& c) {
         return std::min({c.red, c.green, c.blue}) >= kWhitish;
       }},
      {"green", 20,
       [](const Rgb& c) {
         return c.green > c.red + kClearMargin / 2 && c.green > c.blue + kClearMargin / 2;
       }},
  });
  const layout::ControlDesign& flag = *layout::findControl(layout::Control::imgLangHUN);
  const int middle = flag.left + flag.width / 2;
  const Screenshot shot = waitForClientPicture([&](const Screenshot& picture) {
    return std::all_of(kStripes.begin(), kStripes.end(), [&](const Stripe& stripe) {
      return stripe.looksRight(picture.pixel(middle, stripe.y));
    });
  });
  for (const Stripe& stripe : kStripes) {
    SCOPED_TRACE(stripe.name);
    EXPECT_TRUE(stripe.looksRight(shot.pixel(middle, stripe.y))) << shot.pixel(middle, stripe.y);
  }
}

// The version label: silver text in (391..433, 32..46), flush with the
// right edge (433) it is aligned to, as the home-page address beneath.
TEST_F(StartedWindowTest, VersionShowsInSilverOnTheBand) {
  constexpr RECT kSearch{360, 26, layout::kClientWidth, 51};
  constexpr RECT kExpected{391, 32, 433, 46};
  constexpr int kRightmostStrokeFrom = 429;
  constexpr Rgb kSilver{192, 192, 192};
  constexpr int kSilverTolerance = 8;
  constexpr int kEnoughStrokes = 12;
  const auto isSilver = [&](const Rgb& color) {
    return channelSpread(color) <= kGreyTolerance / 2 &&
           std::abs(color.red - kSilver.red) <= kSilverTolerance;
  };
  const auto silverCount = [&](const Screenshot& picture) {
    int count = 0;
    for (int y = kSearch.top; y < kSearch.bottom; ++y) {
      for (int x = kSearch.left; x < kSearch.right; ++x) count += isSilver(picture.pixel(x, y));
    }
    return count;
  };
  const Screenshot shot =
      waitForClientPicture([&](const Screenshot& picture) { return silverCount(picture) > 0; });
  EXPECT_GE(silverCount(shot), kEnoughStrokes);
  int rightmost = -1;
  for (int y = kSearch.top; y < kSearch.bottom; ++y) {
    for (int x = kSearch.left; x < kSearch.right; ++x) {
      const Rgb color = shot.pixel(x, y);
      if (color == kWhite) continue;
      rightmost = std::max(rightmost, x);
      SCOPED_TRACE(testing::Message() << "pixel " << x << ", " << y << " is " << color);
      EXPECT_LE(channelSpread(color), kGreyTolerance) << "only silver text on white";
      EXPECT_TRUE(x >= kExpected.left && x < kExpected.right && y >= kExpected.top &&
                  y < kExpected.bottom)
          << "text outside the label's place";
      if (HasFailure()) return;
    }
  }
  EXPECT_GE(rightmost, kRightmostStrokeFrom) << "the text does not end at the right edge";
}

TEST_F(StartedWindowTest, ScreenshotOfTheStartedWindowIsKept) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Rgb buttonFace{GetRValue(face), GetGValue(face), GetBValue(face)};
  constexpr Rgb kPureRed{255, 0, 0};
  constexpr POINT kOnTheBand{4, 4};
  constexpr POINT kBelowTheBand{4, 80};
  // Inside the swatch, whose border starts at 336, 88.
  constexpr POINT kInTheSwatch{380, 112};
  const Screenshot shot = settledClientPicture();
  const auto file = artifactDirectory() / "started.bmp";
  ASSERT_TRUE(shot.saveBmp(file)) << file.string();
  EXPECT_GT(std::filesystem::file_size(file),
            static_cast<uintmax_t>(shot.width()) * shot.height() * sizeof(uint32_t));
  EXPECT_EQ(shot.pixel(kOnTheBand.x, kOnTheBand.y), kWhite);
  EXPECT_EQ(shot.pixel(kBelowTheBand.x, kBelowTheBand.y), buttonFace);
  EXPECT_EQ(shot.pixel(kInTheSwatch.x, kInTheSwatch.y), kPureRed);
}

}  // namespace
}  // namespace tintwell::e2e
