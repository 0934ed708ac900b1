#pragma once

// Seeded random input over the whole window: clicks and drags anywhere,
// typing into the fields, SHIFT bursts, options, quality picks and flags.

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <random>

#include "app_process.h"

namespace tintwell::e2e {

class InputStorm {
 public:
  InputStorm(const TintwellProcess& app, uint32_t seed) : app_(app), random_(seed) {}

  // Random actions until the time is up, at a fast user's pace; the number
  // of actions sent.
  int runFor(std::chrono::seconds duration);

 private:
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
  std::mt19937 random_;
};

}  // namespace tintwell::e2e
