#include "soak_driver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <iostream>
#include <string>
#include <thread>

#include "environment.h"
#include "held_input.h"
#include "input.h"
#include "shell/layout.h"

namespace tintwell::e2e {

namespace {

constexpr int kStepsPerDrag = 4;
constexpr int kAttempts = 3;
constexpr std::chrono::milliseconds kUnwindPause{20};
// A click or a drag is handled in a few milliseconds.
constexpr std::chrono::milliseconds kStepLimit{2'000};

// Two ends of a drag in the matrix's drawing area, and what the saturation
// and brightness fields show there with hue as the strip's dimension.
struct DragEnd {
  POINT inMatrix;
  const char* saturation;
  const char* brightness;
};
constexpr std::array<DragEnd, 2> kDragEnds{{{{51, 51}, "20", "80"}, {{204, 153}, "80", "40"}}};

struct Flag {
  POINT inClient;
  const char* firstQuality;
};
constexpr std::array<Flag, 2> kFlags{{{{424, 14}, "Magas"}, {{400, 14}, "High"}}};
// On the white band, left of the flags: no label or picture there.
constexpr POINT kBareHeader{300, 14};

// The harness's wait looks every 20 ms; a soak step takes a few, so its
// waits look more often.
constexpr std::chrono::milliseconds kStepPoll{2};

UINT_PTR samplerTimerId() {
  return static_cast<UINT_PTR>(layout::timerDesign(layout::Timer::tmSampler).timerId);
}

bool fieldReads(const TintwellProcess& app, int index, const char* expected) {
  return controlText(app.control(layout::txtInpId(index))) == expected;
}

}  // namespace

// Each tick is sent and returns once it has run, so every one reads the
// screen: posted ticks would pile up faster than the program takes them.
bool SoakDriver::samplerTicks(int count) const {
  const UINT_PTR timerId = samplerTimerId();
  for (int tick = 0; tick < count; ++tick) {
    DWORD_PTR ignored = 0;
    if (SendMessageTimeoutW(app_.window(), WM_TIMER, timerId, 0, SMTO_ABORTIFHUNG,
                            static_cast<UINT>(kReactionLimit.count()), &ignored) == 0) {
      return false;
    }
  }
  return true;
}

POINT SoakDriver::inMatrix(POINT point) const {
  const layout::ControlDesign& matrix = *layout::findControl(layout::Control::imgMatrix);
  return app_.toScreen(
      {matrix.left + kSurfaceBorder + point.x, matrix.top + kSurfaceBorder + point.y});
}

// Each drag starts once the last one is through: TAB, queued behind the
// release, moves the focus on once the release has been handled, and then a
// pause lets its drawing finish, which nothing outside can see.
// A move Wine reports late may land inside a drag and end it a step short,
// so only the last drag is checked to end where it was released, as often
// as that takes.
bool SoakDriver::matrixDrags(int count) const {
  const HWND strip = app_.control(layout::kImgVerticalId);
  for (int drag = 0; drag < count; ++drag) {
    const DragEnd& from = kDragEnds.at(static_cast<size_t>(drag + 1) % kDragEnds.size());
    const DragEnd& to = kDragEnds.at(static_cast<size_t>(drag) % kDragEnds.size());
    const bool last = drag + 1 == count;
    bool ended = !last;
    for (int attempt = 0; attempt < (last ? kAttempts : 1) && !(last && ended); ++attempt) {
      if (!movePointer(inMatrix(from.inMatrix))) return false;
      HeldButton button;
      for (int step = 1; step <= kStepsPerDrag; ++step) {
        const POINT between{
            from.inMatrix.x + (to.inMatrix.x - from.inMatrix.x) * step / kStepsPerDrag,
            from.inMatrix.y + (to.inMatrix.y - from.inMatrix.y) * step / kStepsPerDrag};
        if (!movePointer(inMatrix(between))) return false;
      }
      if (last) {
        ended = waitUntil(
            [&] {
              return fieldReads(app_, kSaturationField, to.saturation) &&
                     fieldReads(app_, kBrightnessField, to.brightness);
            },
            kStepLimit, kStepPoll);
      }
      button.release();
      pressKey(VK_TAB);
      if (!waitUntil([&] { return app_.focus() == strip; }, kReactionLimit, kStepPoll)) {
        return false;
      }
      std::this_thread::sleep_for(kUnwindPause);
    }
    if (!ended) return false;
  }
  return true;
}

// The move lights the flag and its pale picture takes the click. A move
// Wine reports late may light the other flag first: the switch is tried
// again from the bare header, which puts every highlight out, so that the
// move onto the flag lights it anew. The tries beyond the first are counted.
bool SoakDriver::languageSwitches(int count) const {
  const HWND combo = app_.control(layout::kCmbQualityId);
  int retried = 0;
  for (int change = 0; change < count; ++change) {
    const Flag& flag = kFlags.at(static_cast<size_t>(change) % kFlags.size());
    const auto switched = [&] {
      const auto items = comboItems(combo);
      return !items.empty() && items.front() == flag.firstQuality;
    };
    bool done = false;
    for (int attempt = 0; attempt < kAttempts && !done; ++attempt) {
      retried += attempt > 0;
      if (attempt > 0 && !movePointer(app_.toScreen(kBareHeader))) return false;
      if (!movePointer(app_.toScreen(flag.inClient))) return false;
      HeldButton button;
      button.release();
      done = waitUntil(switched, kStepLimit, kStepPoll);
    }
    if (!done) return false;
  }
  if (retried > 0) std::cout << "language switches tried again: " << retried << "\n";
  return true;
}

bool SoakDriver::swatchMenus(int count) const {
  const RECT swatch = app_.placeInClient(app_.control(layout::kImgCurColorId));
  if (!movePointer(
          app_.toScreen({(swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2}))) {
    return false;
  }
  for (int opened = 0; opened < count; ++opened) {
    sendButton(MOUSEEVENTF_RIGHTDOWN);
    sendButton(MOUSEEVENTF_RIGHTUP);
    if (!waitUntil([] { return shownPopupMenu() != nullptr; }, kStepLimit, kStepPoll)) return false;
    pressKey(VK_ESCAPE);
    if (!waitUntil([] { return shownPopupMenu() == nullptr; }, kStepLimit, kStepPoll)) return false;
  }
  return true;
}

}  // namespace tintwell::e2e
