#include "input_storm.h"

#include <array>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "held_input.h"
#include "input.h"
#include "shell/frm_color.h"
#include "shell/layout.h"

namespace tintwell::e2e {

namespace {

constexpr int kMostMovesPerDrag = 6;
constexpr int kMostCharacters = 4;
constexpr int kMostSampledPlaces = 4;
constexpr int kMostBurstKeys = 200;
constexpr int kMostListSteps = 3;
// A fast user's pace between actions; bursts come with no pause at all.
constexpr int kShortestPauseMs = 10;
constexpr int kLongestPauseMs = 50;
constexpr int kShortestSampleMs = 40;
constexpr int kLongestSampleMs = 120;

// Digits, hex letters, signs and other text a user might type in a field.
constexpr std::string_view kTypedCharacters = "0123456789abcdefxz -+.,";
constexpr std::array<WORD, 7> kEditingKeys{VK_BACK, VK_DELETE, VK_LEFT,  VK_RIGHT,
                                           VK_HOME, VK_END,    VK_ESCAPE};
constexpr std::array<std::string_view, 2> kFlags{"imgLangENG", "imgLangHUN"};

// The home-page label opens a browser: everything else is fair game.
bool onHomePage(POINT client) {
  const layout::ControlDesign& label = *layout::findControl("lblHomepage");
  return client.x >= label.left && client.x < label.left + label.width && client.y >= label.top &&
         client.y < label.top + label.height;
}

}  // namespace

int InputStorm::runFor(std::chrono::seconds duration) {
  using Action = void (InputStorm::*)();
  constexpr auto kActions = std::to_array<Action>({
      &InputStorm::clickSomewhere,
      &InputStorm::dragSomewhere,
      &InputStorm::typeIntoAField,
      &InputStorm::typeABurst,
      &InputStorm::sampleAWhile,
      &InputStorm::clickAnOption,
      &InputStorm::pickAQuality,
      &InputStorm::clickAFlag,
  });
  const auto end = std::chrono::steady_clock::now() + duration;
  int actions = 0;
  while (std::chrono::steady_clock::now() < end && app_.running()) {
    (this->*pick(kActions))();
    ++actions;
    std::this_thread::sleep_for(std::chrono::milliseconds(
        kShortestPauseMs + below(kLongestPauseMs - kShortestPauseMs + 1)));
  }
  return actions;
}

int InputStorm::below(int bound) {
  return std::uniform_int_distribution<int>(0, bound - 1)(random_);
}

POINT InputStorm::anywhereInTheWindow() {
  POINT client{};
  do {
    client = {below(layout::kClientWidth), below(layout::kClientHeight)};
  } while (onHomePage(client));
  return app_.toScreen(client);
}

POINT InputStorm::anywhereOnTheScreen() {
  return {below(GetSystemMetrics(SM_CXSCREEN)), below(GetSystemMetrics(SM_CYSCREEN))};
}

void InputStorm::clickSomewhere() {
  click(anywhereInTheWindow());
}

void InputStorm::dragSomewhere() {
  movePointer(anywhereInTheWindow());
  HeldButton button;
  for (int move = below(kMostMovesPerDrag) + 1; move > 0; --move) {
    movePointer(anywhereInTheWindow());
  }
}

POINT InputStorm::centreOf(int controlId) const {
  const RECT place = app_.placeInClient(app_.control(controlId));
  return app_.toScreen({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

void InputStorm::typeIntoAField() {
  click(centreOf(layout::txtInpId(below(kFieldCount))));
  for (int typed = below(kMostCharacters) + 1; typed > 0; --typed) {
    if (below(2) == 0) {
      pressKey(pick(kEditingKeys));
    } else {
      typeText(std::string(1, pick(kTypedCharacters)));
    }
  }
}

// Keys queued faster than the program takes them, as from a paste tool.
void InputStorm::typeABurst() {
  click(centreOf(layout::txtInpId(below(kFieldCount))));
  std::vector<WORD> keys;
  constexpr SHORT kNoKey = -1;
  constexpr SHORT kKeyMask = 0xFF;  // the key without its shift state
  for (int typed = below(kMostBurstKeys) + 1; typed > 0; --typed) {
    if (below(2) == 0) {
      keys.push_back(pick(kEditingKeys));
    } else if (const SHORT scan = VkKeyScanA(pick(kTypedCharacters)); scan != kNoKey) {
      keys.push_back(static_cast<WORD>(scan & kKeyMask));
    }
  }
  sendKeyBurst(keys);
}

// SHIFT held while the pointer visits a few places, anywhere on the screen.
void InputStorm::sampleAWhile() {
  HeldKey shift(VK_SHIFT);
  for (int place = below(kMostSampledPlaces) + 1; place > 0; --place) {
    movePointer(anywhereOnTheScreen());
    std::this_thread::sleep_for(std::chrono::milliseconds(
        kShortestSampleMs + below(kLongestSampleMs - kShortestSampleMs + 1)));
  }
}

void InputStorm::clickAnOption() {
  click(centreOf(layout::optDimId(below(kDimensionCount))));
}

// The list opens on a click; arrows move in it and RETURN or ESCAPE ends it.
void InputStorm::pickAQuality() {
  click(centreOf(layout::kCmbQualityId));
  for (int step = below(kMostListSteps) + 1; step > 0; --step) {
    pressKey(below(2) == 0 ? VK_DOWN : VK_UP);
  }
  pressKey(below(2) == 0 ? VK_RETURN : VK_ESCAPE);
}

// The flags are windowless: the move lights one, its pale picture takes the click.
void InputStorm::clickAFlag() {
  const layout::ControlDesign& flag = *layout::findControl(pick(kFlags));
  click(app_.toScreen({flag.left + flag.width / 2, flag.top + flag.height / 2}));
}

}  // namespace tintwell::e2e
