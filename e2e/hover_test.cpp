// The pointer over the header: the home-page label and the language flags.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "environment.h"
#include "input.h"
#include "registry.h"
#include "session.h"
#include "shell/layout.h"
#include "shell/maker.h"
#include "shell_recorder.h"

namespace tintwell::e2e {
namespace {

// Inside the right-aligned home-page label, on its text.
constexpr POINT kOnHomePage{425, 60};
// On the flag's red stripe, which its pale picture shows lighter.
constexpr POINT kOnHungarianFlag{424, 8};

TEST_F(InputTest, HomePageClickOpensTheMakersPage) {
  const ShellOpenRecorder recorder;
  if (!recorder.active()) GTEST_SKIP() << "needs Wine's browser setting to record the address";
  ASSERT_TRUE(click(app_.toScreen(kOnHomePage)));
  ASSERT_TRUE(recorder.waitForAddress(kReactionLimit)) << "the shell opened nothing";
  EXPECT_EQ(recorder.addresses(), std::vector<std::string>{kHomepageAddress});
}

// The second click of a double-click is no click of its own.
TEST_F(InputTest, HomePageDoubleClickOpensTheMakersPageOnce) {
  constexpr std::chrono::milliseconds kSecondOpenWouldBeThere{1'500};
  const ShellOpenRecorder recorder;
  if (!recorder.active()) GTEST_SKIP() << "needs Wine's browser setting to record the address";
  ASSERT_TRUE(doubleClick(app_.toScreen(kOnHomePage)));
  ASSERT_TRUE(recorder.waitForAddress(kReactionLimit)) << "the shell opened nothing";
  Sleep(static_cast<DWORD>(kSecondOpenWouldBeThere.count()));
  EXPECT_EQ(recorder.addresses(), std::vector<std::string>{kHomepageAddress});
}

TEST_F(InputTest, HungarianFlagClickSwitchesAndStoresTheLanguage) {
  const Screenshot before = settledClientPicture();
  ASSERT_TRUE(movePointer(app_.toScreen(kOnHungarianFlag)));
  const Screenshot lit = waitForClientPicture([&](const Screenshot& picture) {
    return picture.pixel(kOnHungarianFlag.x, kOnHungarianFlag.y) !=
           before.pixel(kOnHungarianFlag.x, kOnHungarianFlag.y);
  });
  ASSERT_NE(lit.pixel(kOnHungarianFlag.x, kOnHungarianFlag.y),
            before.pixel(kOnHungarianFlag.x, kOnHungarianFlag.y))
      << "the pale flag did not show";

  ASSERT_TRUE(click(app_.toScreen(kOnHungarianFlag)));
  const HWND combo = control(layout::kCmbQualityId);
  EXPECT_TRUE(waitUntil(
      [&] {
        const auto items = comboItems(combo);
        return !items.empty() && items.front() == "Magas";
      },
      kReactionLimit));
  const auto stored = readUserValue(kMakerKey, kLanguageValue);
  ASSERT_TRUE(stored.has_value()) << "no Language value after the click";
  EXPECT_EQ(stored->type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(stored->bytes, (std::vector<uint8_t>{0, 0}));
}

}  // namespace
}  // namespace tintwell::e2e
