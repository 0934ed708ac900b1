// Long and rough use: memory and the GDI and USER objects stay flat through
// thousands of screen reads, drags, language switches and menus, and a minute
// of random input leaves the window answering.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "environment.h"
#include "held_input.h"
#include "input.h"
#include "input_storm.h"
#include "patches_process.h"
#include "process_watch.h"
#include "session.h"
#include "shell/layout.h"
#include "soak_driver.h"

namespace tintwell::e2e {
namespace {

struct SoakRound {
  int samplerTicks;
  int matrixDrags;
  int languageSwitches;
  int swatchMenus;
};
// A tenth first, so that what the first uses allocate once is not counted.
// The timer's own ticks read the screen too while SHIFT is down: 10,000
// reads at the least.
constexpr SoakRound kWarmUp{1'000, 100, 100, 10};
constexpr SoakRound kSoak{9'000, 900, 900, 90};
constexpr int kTicksPerPatch = 500;
// Wine's figure is resident memory, which breathes by a few pages.
constexpr uint64_t kAllowedGrowth = 1 << 20;

const std::vector<Rgb> kSoakPatches{{0, 128, 255}, {255, 128, 0}};
const std::array<const char*, 2> kSoakPatchHex{"0080ff", "ff8000"};

// How long each part of the soak took, for the log: Wine's speed varies.
class Stopwatch {
 public:
  void lap(int count, const char* what) {
    const auto now = std::chrono::steady_clock::now();
    std::cout << count << " " << what << " in "
              << std::chrono::duration_cast<std::chrono::milliseconds>(now - start_).count()
              << " ms" << std::endl;
    start_ = now;
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

class ReliabilitySoakTest : public InputTest {
 protected:
  void SetUp() override {
    countObjects_ = true;
    InputTest::SetUp();
    if (HasFatalFailure()) return;
    constexpr POINT kPatchesAt{700, 100};
    constexpr int kPatchSize = 48;
    ASSERT_EQ(patches_.show(kPatchesAt, kPatchSize, kSoakPatches), "");
    ASSERT_TRUE(bringToFront(app_.window()));
  }

  void runRound(const SoakRound& round) {
    const SoakDriver driver(app_);
    Stopwatch stopwatch;
    {
      HeldKey shift(VK_SHIFT);
      for (int done = 0, batch = 0; done < round.samplerTicks; done += kTicksPerPatch, ++batch) {
        const size_t patch = static_cast<size_t>(batch) % kSoakPatches.size();
        ASSERT_TRUE(movePointer(patches_.centreOf(patch)));
        const int ticks = std::min(kTicksPerPatch, round.samplerTicks - done);
        ASSERT_TRUE(driver.samplerTicks(ticks));
        ASSERT_TRUE(fieldReads(kHexField, kSoakPatchHex.at(patch))) << "the ticks read nothing";
      }
    }
    stopwatch.lap(round.samplerTicks, "sampler ticks");
    ASSERT_TRUE(driver.matrixDrags(round.matrixDrags));
    stopwatch.lap(round.matrixDrags, "drags");
    ASSERT_TRUE(driver.languageSwitches(round.languageSwitches));
    stopwatch.lap(round.languageSwitches, "language switches");
    ASSERT_TRUE(driver.swatchMenus(round.swatchMenus));
    stopwatch.lap(round.swatchMenus, "swatch menus");
  }

  ColorPatches patches_;
};

TEST_F(ReliabilitySoakTest, ReadsDragsLanguageSwitchesAndMenusKeepMemoryAndObjectsFlat) {
  const ProcessWatch watch(app_.window());
  runRound(kWarmUp);
  ASSERT_FALSE(HasFatalFailure());
  // Counted first: what the count itself allocates is not the soak's.
  const auto objectsBefore = guiObjects();
  ASSERT_TRUE(objectsBefore.has_value()) << "the program did not count its GDI and USER objects";
  const auto before = watch.privateBytes();
  ASSERT_TRUE(before.has_value()) << "the process's memory cannot be read";
  runRound(kSoak);
  ASSERT_FALSE(HasFatalFailure());
  const auto after = watch.privateBytes();
  ASSERT_TRUE(after.has_value());
  std::cout << "private bytes after warm-up " << *before << ", after the soak " << *after << "\n";
  EXPECT_LT(*after, *before + kAllowedGrowth);
  const auto objectsAfter = guiObjects();
  ASSERT_TRUE(objectsAfter.has_value());
  std::cout << "GDI and USER objects after warm-up " << objectsBefore->gdi << " and "
            << objectsBefore->user << ", after the soak " << objectsAfter->gdi << " and "
            << objectsAfter->user << "\n";
  EXPECT_EQ(objectsAfter->gdi, objectsBefore->gdi);
  EXPECT_EQ(objectsAfter->user, objectsBefore->user);
  EXPECT_TRUE(answers(app_.window()));
}

// --- A minute of rough use. Slow: tools/test may leave it out by its name.

constexpr std::chrono::seconds kStormLength{60};

// TINTWELL_STORM_SEED repeats a run; otherwise each run takes a new seed.
uint32_t stormSeed() {
  const char* chosen = std::getenv("TINTWELL_STORM_SEED");
  if (chosen != nullptr && *chosen != '\0') {
    return static_cast<uint32_t>(std::strtoul(chosen, nullptr, 10));
  }
  return std::random_device{}();
}

std::optional<int> number(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A number as the program writes one: no sign, no leading zero, no point.
std::optional<int> writtenNumber(const std::string& text) {
  const auto value = number(text);
  if (!value || std::to_string(*value) != text) return std::nullopt;
  return value;
}

std::string hexOf(int red, int green, int blue) {
  std::array<char, 8> hex{};
  std::snprintf(hex.data(), hex.size(), "%02x%02x%02x", red, green, blue);
  return hex.data();
}

// Red, green and blue in range, and the hex code and colour number theirs.
bool channelFieldsAgree(const FieldTexts& texts) {
  constexpr int kGreenWeight = 256;
  constexpr int kBlueWeight = 65536;
  std::array<int, 3> channels{};
  for (size_t channel = 0; channel < channels.size(); ++channel) {
    const auto value = number(texts.at(kRedField + channel));
    if (!value || *value < 0 || *value > kChannelMax) return false;
    channels.at(channel) = *value;
  }
  const auto [red, green, blue] = channels;
  return texts.at(kHexField) == hexOf(red, green, blue) &&
         number(texts.at(kColorNumberField)) == red + kGreenWeight * green + kBlueWeight * blue;
}

// The colour a hex code names, when it reads as the program writes one.
std::optional<PackedColor> writtenHex(const std::string& text) {
  constexpr size_t kHexDigits = 6;
  if (text.size() != kHexDigits ||
      text.find_first_not_of("0123456789abcdef") != std::string::npos) {
    return std::nullopt;
  }
  const auto channel = [&text](size_t first) {
    return std::stoi(text.substr(first, 2), nullptr, 16);
  };
  return packRgb(channel(0), channel(2), channel(4));
}

// Mid-storm the field typed into last may hold what the user left there
// ("050", "1.5", "", "ab"), its neighbours worked out from what the program
// read of it. Every text that reads as the program writes names one colour:
// the red, green, blue, hex and number fields among them agree.
bool writtenChannelFieldsAgree(const FieldTexts& texts) {
  std::optional<PackedColor> color;
  if (const auto named = writtenNumber(texts.at(kColorNumberField))) {
    color = static_cast<PackedColor>(*named);
  }
  if (const auto named = writtenHex(texts.at(kHexField))) {
    if (color && *color != *named) return false;
    color = named;
  }
  if (!color) return true;
  const std::array<std::pair<int, int>, 3> channels{
      {{kRedField, redOf(*color)}, {kGreenField, greenOf(*color)}, {kBlueField, blueOf(*color)}}};
  return std::ranges::all_of(channels, [&texts](const auto& channel) {
    const auto written = writtenNumber(texts.at(static_cast<size_t>(channel.first)));
    return !written || *written == channel.second;
  });
}

// The program traces its handler calls into a file while this test runs; a
// failure prints the storm's last actions beside the program's last calls, and
// the saved action list plays the run again: TINTWELL_STORM_REPLAY=<file>.
class ReliabilityStormTest : public InputTest {
 protected:
  static constexpr size_t kActionsShown = 30;
  static constexpr size_t kTraceLinesShown = 80;

  void SetUp() override {
    traceFile_ = artifactDirectory() / artifactName("trace.txt");
    InputTest::SetUp();
  }

  void TearDown() override {
    if (storm_) {
      const auto saved = artifactDirectory() / artifactName("actions.txt");
      storm_->save(saved);
      if (HasFailure()) {
        std::cout << storm_->lastActions(kActionsShown)
                  << "the program's last handler calls before the failure:\n"
                  << traceLinesUpTo(failedAtMs_.value_or(steadyClockMs()), kTraceLinesShown)
                  << "TINTWELL_STORM_REPLAY=" << saved.string() << " plays the storm again\n";
      }
    }
    InputTest::TearDown();
  }

  // The fields the program wrote agree. Each field is read on its own, so
  // a handler may run between two reads: only a look that reads the same
  // twice comes from one moment. Fields that never settle are not a
  // disagreement: the window's answering is checked at the end.
  bool fieldsAgreeOnceSettled() {
    constexpr std::chrono::milliseconds kSettleLook{30};
    FieldTexts previous = fieldTexts();
    std::optional<FieldTexts> settled;
    waitUntil(
        [&] {
          std::this_thread::sleep_for(kSettleLook);
          FieldTexts current = fieldTexts();
          if (current == previous)
            settled = std::move(current);
          else
            previous = std::move(current);
          return settled.has_value();
        },
        kReactionLimit);
    if (!settled || writtenChannelFieldsAgree(*settled)) return true;
    failedAtMs_ = steadyClockMs();
    ADD_FAILURE() << "mid-storm the fields read " << testing::PrintToString(*settled);
    return false;
  }

  static int64_t steadyClockMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }

  std::optional<InputStorm> storm_;
  std::optional<int64_t> failedAtMs_;
};

TEST_F(ReliabilityStormTest, AMinuteOfRandomInputLeavesTheWindowAnswering) {
  int actions = 0;
  if (const char* replayed = std::getenv("TINTWELL_STORM_REPLAY")) {
    const auto saved = InputStorm::load(replayed);
    ASSERT_TRUE(saved.has_value()) << "no storm saved in " << replayed;
    std::cout << "replaying storm seed " << saved->seed << " from " << replayed << "\n";
    storm_.emplace(app_, saved->seed);
    actions = storm_->replay(saved->startsMs, [this] { return fieldsAgreeOnceSettled(); });
  } else {
    const uint32_t seed = stormSeed();
    std::cout << "storm seed " << seed << " (TINTWELL_STORM_SEED=" << seed << " repeats it)\n";
    RecordProperty("seed", std::to_string(seed));
    storm_.emplace(app_, seed);
    actions = storm_->runFor(kStormLength, [this] { return fieldsAgreeOnceSettled(); });
  }
  std::cout << actions << " actions\n";
  ASSERT_FALSE(HasFailure());
  ASSERT_TRUE(app_.running()) << "the program ended during the storm";
  ASSERT_TRUE(answers(app_.window()));

  // A list left open takes the next click: ESCAPE closes it. A click in the
  // matrix then writes every field afresh.
  ASSERT_TRUE(bringToFront(app_.window()));
  pressKey(VK_ESCAPE);
  ASSERT_TRUE(click(centreOf(control(layout::kImgMatrixId))));
  EXPECT_TRUE(waitUntil([&] { return channelFieldsAgree(fieldTexts()); }, kReactionLimit))
      << "the fields read " << testing::PrintToString(fieldTexts());
  EXPECT_TRUE(answers(app_.window()));
}

}  // namespace
}  // namespace tintwell::e2e
