#include "input_storm.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
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
constexpr size_t kActionsBetweenChecks = 6;

// Digits, hex letters, signs and other text a user might type in a field.
constexpr std::string_view kTypedCharacters = "0123456789abcdefxz -+.,";
constexpr std::array<WORD, 7> kEditingKeys{VK_BACK, VK_DELETE, VK_LEFT,  VK_RIGHT,
                                           VK_HOME, VK_END,    VK_ESCAPE};
constexpr std::array kFlags{layout::Control::imgLangENG, layout::Control::imgLangHUN};

// The home-page label opens a browser: everything else is fair game.
bool onHomePage(POINT client) {
  const layout::ControlDesign& label = *layout::findControl(layout::Control::lblHomepage);
  return client.x >= label.left && client.x < label.left + label.width && client.y >= label.top &&
         client.y < label.top + label.height;
}

}  // namespace

int InputStorm::runFor(std::chrono::seconds duration, const StormCheck& check) {
  start_ = std::chrono::steady_clock::now();
  const auto end = start_ + duration;
  while (std::chrono::steady_clock::now() < end && app_.running()) {
    act();
    std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs()));
    if (!checkDue(check)) break;
  }
  return static_cast<int>(actions_.size());
}

// The pauses are drawn as in the recorded run, so every action after them
// is the same, but the recorded start times set the pace.
int InputStorm::replay(const std::vector<int64_t>& startsMs, const StormCheck& check) {
  start_ = std::chrono::steady_clock::now();
  for (const int64_t startMs : startsMs) {
    if (!app_.running()) break;
    std::this_thread::sleep_until(start_ + std::chrono::milliseconds(startMs));
    act();
    pauseMs();
    if (!checkDue(check)) break;
  }
  return static_cast<int>(actions_.size());
}

bool InputStorm::checkDue(const StormCheck& check) {
  if (actions_.size() % kActionsBetweenChecks != 0) return true;
  if (check()) return true;
  note(", then the check failed");
  return false;
}

void InputStorm::act() {
  using Action = void (InputStorm::*)();
  struct Named {
    Action action;
    const char* name;
  };
  static constexpr auto kActions = std::to_array<Named>({
      {&InputStorm::clickSomewhere, "click"},
      {&InputStorm::dragSomewhere, "drag"},
      {&InputStorm::typeIntoAField, "type"},
      {&InputStorm::typeABurst, "burst"},
      {&InputStorm::sampleAWhile, "sample"},
      {&InputStorm::clickAnOption, "option"},
      {&InputStorm::pickAQuality, "quality"},
      {&InputStorm::clickAFlag, "flag"},
  });
  const auto now = std::chrono::steady_clock::now();
  const auto sinceStart = std::chrono::duration_cast<std::chrono::milliseconds>(now - start_);
  const auto steady = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
  const Named& chosen = pick(kActions);
  actions_.push_back({sinceStart.count(), steady.count(), chosen.name});
  (this->*chosen.action)();
}

int InputStorm::pauseMs() {
  return kShortestPauseMs + below(kLongestPauseMs - kShortestPauseMs + 1);
}

std::string InputStorm::lastActions(size_t count) const {
  std::ostringstream lines;
  lines << "storm seed " << seed_ << ", last " << std::min(count, actions_.size()) << " of "
        << actions_.size() << " actions (ms after the start, steady-clock ms):\n";
  for (size_t index = actions_.size() - std::min(count, actions_.size()); index < actions_.size();
       ++index) {
    const StormAction& action = actions_[index];
    lines << action.startMs << " " << action.steadyClockMs << " " << action.what << "\n";
  }
  return lines.str();
}

// One line for the seed, then one an action, its start time first.
bool InputStorm::save(const std::filesystem::path& file) const {
  std::ofstream out(file);
  out << "seed " << seed_ << "\n";
  for (const StormAction& action : actions_) out << action.startMs << " " << action.what << "\n";
  return static_cast<bool>(out);
}

std::optional<SavedStorm> InputStorm::load(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string word;
  SavedStorm saved;
  if (!(in >> word >> saved.seed) || word != "seed") return std::nullopt;
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    int64_t startMs = 0;
    if (fields >> startMs) saved.startsMs.push_back(startMs);
  }
  return saved;
}

void InputStorm::noteAt(POINT screen) {
  note(" ", std::to_string(screen.x), ",", std::to_string(screen.y));
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
  const POINT place = anywhereInTheWindow();
  noteAt(place);
  click(place);
}

void InputStorm::dragSomewhere() {
  const POINT from = anywhereInTheWindow();
  noteAt(from);
  movePointer(from);
  HeldButton button;
  for (int move = below(kMostMovesPerDrag) + 1; move > 0; --move) {
    const POINT to = anywhereInTheWindow();
    noteAt(to);
    movePointer(to);
  }
}

POINT InputStorm::centreOf(int controlId) const {
  const RECT place = app_.placeInClient(app_.control(controlId));
  return app_.toScreen({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

void InputStorm::typeIntoAField() {
  const int field = below(kFieldCount);
  note(" field ", std::to_string(field), ":");
  click(centreOf(layout::txtInpId(field)));
  for (int typed = below(kMostCharacters) + 1; typed > 0; --typed) {
    if (below(2) == 0) {
      const WORD key = pick(kEditingKeys);
      note(" key ", std::to_string(key));
      pressKey(key);
    } else {
      const char character = pick(kTypedCharacters);
      note(" '", character, "'");
      typeText(std::string(1, character));
    }
  }
}

// Keys queued faster than the program takes them, as from a paste tool.
void InputStorm::typeABurst() {
  const int field = below(kFieldCount);
  click(centreOf(layout::txtInpId(field)));
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
  note(" field ", std::to_string(field), ", ", std::to_string(keys.size()), " keys");
  sendKeyBurst(keys);
}

// SHIFT held while the pointer visits a few places, anywhere on the screen.
void InputStorm::sampleAWhile() {
  HeldKey shift(VK_SHIFT);
  for (int place = below(kMostSampledPlaces) + 1; place > 0; --place) {
    const POINT at = anywhereOnTheScreen();
    const int heldMs = kShortestSampleMs + below(kLongestSampleMs - kShortestSampleMs + 1);
    noteAt(at);
    note(" for ", std::to_string(heldMs), " ms");
    movePointer(at);
    std::this_thread::sleep_for(std::chrono::milliseconds(heldMs));
  }
}

void InputStorm::clickAnOption() {
  const int option = below(kDimensionCount);
  note(" ", std::to_string(option));
  click(centreOf(layout::optDimId(option)));
}

// The list opens on a click; arrows move in it and RETURN or ESCAPE ends it.
void InputStorm::pickAQuality() {
  click(centreOf(layout::kCmbQualityId));
  for (int step = below(kMostListSteps) + 1; step > 0; --step) {
    const bool down = below(2) == 0;
    note(down ? " down" : " up");
    pressKey(down ? VK_DOWN : VK_UP);
  }
  const bool taken = below(2) == 0;
  note(taken ? " return" : " escape");
  pressKey(taken ? VK_RETURN : VK_ESCAPE);
}

// The flags are windowless: the move lights one, its pale picture takes the click.
void InputStorm::clickAFlag() {
  const layout::ControlDesign& flag = *layout::findControl(pick(kFlags));
  note(" ", flag.name);
  click(app_.toScreen({flag.left + flag.width / 2, flag.top + flag.height / 2}));
}

}  // namespace tintwell::e2e
