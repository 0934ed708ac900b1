#pragma once

// Seeded random input over the whole window: clicks and drags anywhere,
// typing into the fields, SHIFT bursts, options, quality picks and flags.
// Each action is recorded with its time, so that a failed run can tell what
// it did last and be played again at the same pace.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app_process.h"

namespace tintwell::e2e {

struct StormAction {
  int64_t startMs;        // after the storm began
  int64_t steadyClockMs;  // as the program's handler trace counts time
  std::string what;
};

// What a replay needs: the seed and when each action began.
struct SavedStorm {
  uint32_t seed = 0;
  std::vector<int64_t> startsMs;
};

// Run between actions now and then; false stops the storm. It may take its
// time: the actions before it keep their queue, the ones after wait for it.
using StormCheck = std::function<bool()>;

class InputStorm {
 public:
  InputStorm(const TintwellProcess& app, uint32_t seed) : app_(app), seed_(seed), random_(seed) {}

  // Random actions until the time is up or a check fails, at a fast user's
  // pace; the number of actions sent.
  int runFor(std::chrono::seconds duration, const StormCheck& check);
  // The actions of a saved run of the same seed, each begun as long after
  // the start as it was then, with the checks where they were.
  int replay(const std::vector<int64_t>& startsMs, const StormCheck& check);

  // The last actions, one a line with its times.
  std::string lastActions(size_t count) const;
  bool save(const std::filesystem::path& file) const;
  static std::optional<SavedStorm> load(const std::filesystem::path& file);

 private:
  void act();
  // After every few actions, so that most still queue behind each other.
  bool checkDue(const StormCheck& check);
  int pauseMs();
  // Adds to the description of the action under way.
  template <typename... Parts>
  void note(const Parts&... parts) {
    ((actions_.back().what += parts), ...);
  }
  void noteAt(POINT screen);

  void clickSomewhere();
  void dragSomewhere();
  void typeIntoAField();
  void typeABurst();
  void sampleAWhile();
  void clickAnOption();
  void pickAQuality();
  void clickAFlag();

  int below(int bound);  // 0 .. bound - 1
  template <typename Items>
  auto pick(const Items& items) {
    return items.at(static_cast<size_t>(below(static_cast<int>(items.size()))));
  }
  POINT centreOf(int controlId) const;
  POINT anywhereInTheWindow();
  POINT anywhereOnTheScreen();

  const TintwellProcess& app_;
  uint32_t seed_;
  std::mt19937 random_;
  std::chrono::steady_clock::time_point start_;
  std::vector<StormAction> actions_;
};

}  // namespace tintwell::e2e
