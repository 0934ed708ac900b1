// Picking with the real pointer: presses and drags on the matrix and the
// strip, the dimension options and the render quality, checked against the
// fields, the screen and a headless twin given the same events.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <vector>

#include "environment.h"
#include "expected_pixels.h"
#include "input.h"
#include "picker/picker_math.h"
#include "shell/layout.h"
#include "shell/pointer_router.h"

namespace tintwell::e2e {
namespace {

struct Button {
  const char* name;
  DWORD down;
  DWORD up;
  int16_t code;  // as the handlers receive it
};
constexpr Button kLeft{"left", MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1};
constexpr Button kRight{"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 2};
constexpr Button kMiddle{"middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP, 4};

constexpr int16_t kNoModifiers = 0;
constexpr std::chrono::milliseconds kLostMoveLook{2'000};

POINT farTopLeftOfScreen() {
  return {0, 0};
}

POINT farBottomRightOfScreen() {
  return {GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1};
}

// The colour the window opens with: red, at the top of the hue strip.
ColorState startColor() {
  ColorState color;
  color.dHue = kFullCircle;
  color.dSat = 1.0;
  color.dVal = 1.0;
  return color;
}

// Hue mode from the start colour.
FieldTexts pickedOnHueMatrix(POINT onMatrix) {
  ColorState color = startColor();
  applyMatrixPoint(kHue, static_cast<float>(onMatrix.x), static_cast<float>(onMatrix.y), color);
  return fieldTextsFor(color);
}

FieldTexts pickedOnHueStrip(int row) {
  ColorState color = startColor();
  applyStripRow(kHue, row, color);
  return fieldTextsFor(color);
}

class PickerTest : public TwinWindowTest {
 protected:
  POINT onScreen(const DrawingArea& area, POINT inside) const {
    return app_.toScreen({area.left + inside.x, area.top + inside.y});
  }
  POINT inArea(const DrawingArea& area, POINT screen) const {
    const POINT origin = app_.toScreen({area.left, area.top});
    return {screen.x - origin.x, screen.y - origin.y};
  }

  // Each real event and the twin's handler call for it, with the position
  // the surface sees: relative to its drawing area, beyond it while held.
  void matrixEvent(const Button& button, POINT screen, DWORD flag) {
    ASSERT_TRUE(movePointer(screen));
    if (flag != 0) sendButton(flag);
    const POINT seen = inArea(drawingArea(layout::Control::imgMatrix), screen);
    twinEvent(layout::Control::imgMatrix, button, flag, seen);
  }

  // The strip reads the pointer's screen position; the twin's client area
  // starts at the screen's origin, so it is given the client position.
  void stripEvent(const Button& button, POINT screen, DWORD flag) {
    ASSERT_TRUE(movePointer(screen));
    if (flag != 0) sendButton(flag);
    const POINT origin = app_.toScreen({0, 0});
    twin_.platform.cursor = {screen.x - origin.x, screen.y - origin.y};
    twinEvent(layout::Control::imgVertical, button, flag, {0, 0});
  }

  // The handler the window runs for that event on that surface.
  void twinEvent(layout::Control surface, const Button& button, DWORD flag, POINT seen) {
    const MouseAction action = flag == button.down ? MouseAction::down
                               : flag == button.up ? MouseAction::up
                                                   : MouseAction::move;
    const layout::SurfaceHandler handler = surfaceHandler(*layout::findControl(surface), action);
    (twin_.form.*handler)(button.code, kNoModifiers, static_cast<float>(seen.x),
                          static_cast<float>(seen.y));
  }

  // Waits for the fields to follow a move made with the button held. Under
  // Wine a move far outside the window is now and then lost (about one run
  // in thirty here); the pointer then goes one pixel aside and back, the
  // same place to the program once clamped, and that move arrives.
  testing::AssertionResult followed(POINT screen, const FieldTexts& expected) {
    if (waitUntil([&] { return fieldTexts() == expected; }, kLostMoveLook)) {
      return testing::AssertionSuccess();
    }
    const POINT aside{screen.x > 0 ? screen.x - 1 : screen.x + 1,
                      screen.y > 0 ? screen.y - 1 : screen.y + 1};
    if (!movePointer(aside) || !movePointer(screen)) {
      return testing::AssertionFailure() << "the pointer did not move";
    }
    return fieldsRead(expected);
  }

  void clickOption(int index) {
    ASSERT_TRUE(click(centreOf(option(index))));
    ASSERT_TRUE(waitUntil([&] { return query(option(index), BM_GETCHECK) == BST_CHECKED; },
                          kReactionLimit));
    twin_.focusElsewhere();
    twin_.form.optDim_Click(static_cast<int16_t>(index));
  }

  HWND droppedList() const {
    const DWORD thread = GetWindowThreadProcessId(app_.window(), nullptr);
    for (HWND list = FindWindowExW(nullptr, nullptr, L"ComboLBox", nullptr); list != nullptr;
         list = FindWindowExW(nullptr, list, L"ComboLBox", nullptr)) {
      if (IsWindowVisible(list) && GetWindowThreadProcessId(list, nullptr) == thread) return list;
    }
    return nullptr;
  }

  // Opens the drop-down with a click and clicks the entry in its list.
  void pickQuality(int index) {
    const HWND combo = control(layout::kCmbQualityId);
    ASSERT_TRUE(click(centreOf(combo)));
    HWND list = nullptr;
    ASSERT_TRUE(waitUntil(
        [&] {
          list = droppedList();
          return list != nullptr;
        },
        kReactionLimit))
        << "the list did not drop";
    const auto itemHeight = static_cast<int>(query(list, LB_GETITEMHEIGHT));
    const auto topIndex = static_cast<int>(query(list, LB_GETTOPINDEX));
    RECT inside{};
    GetClientRect(list, &inside);
    POINT entry{inside.right / 2, (index - topIndex) * itemHeight + itemHeight / 2};
    ClientToScreen(list, &entry);
    ASSERT_TRUE(click(entry));
    ASSERT_TRUE(waitUntil([&] { return query(combo, CB_GETCURSEL) == index; }, kReactionLimit));
    twin_.cmbQuality.setListIndex(index);
  }
};

TEST_F(PickerTest, MatrixDragClampsAtTheEdgesAndTheReleaseLeavesOneMarker) {
  const DrawingArea matrix = drawingArea(layout::Control::imgMatrix);
  constexpr POINT kPress{60, 200};
  constexpr POINT kRelease{181, 43};
  matrixEvent(kLeft, onScreen(matrix, kPress), kLeft.down);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(fieldsRead(pickedOnHueMatrix(kPress)));
  // Input that arrives while the press still refreshes is handled inside it,
  // and the press's redraw of the field comes after that.
  EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture())) << "the press";

  struct Beyond {
    const char* name;
    POINT screen;
    POINT clamped;
  };
  const auto beyond = std::to_array<Beyond>({
      {"beyond the left and top", farTopLeftOfScreen(), {0, 0}},
      {"beyond the right and bottom", farBottomRightOfScreen(), {kLastPixel, kLastPixel}},
  });
  for (const Beyond& row : beyond) {
    SCOPED_TRACE(row.name);
    const POINT seen = inArea(matrix, row.screen);
    ASSERT_TRUE(seen.x < 0 || seen.x > kLastPixel) << "the screen ends at " << seen.x;
    ASSERT_TRUE(seen.y < 0 || seen.y > kLastPixel) << "the screen ends at " << seen.y;
    matrixEvent(kLeft, row.screen, 0);
    EXPECT_TRUE(followed(row.screen, pickedOnHueMatrix(row.clamped)));
  }

  matrixEvent(kLeft, onScreen(matrix, kRelease), 0);
  EXPECT_TRUE(fieldsRead(pickedOnHueMatrix(kRelease)));
  const PixelImage unmarked = twin_.imgMatrix.image();
  matrixEvent(kLeft, onScreen(matrix, kRelease), kLeft.up);
  const Screenshot shot = waitForTwinPicture();
  EXPECT_TRUE(showsTwinSurfaces(shot));

  const PixelSet changed = differingPixels(shot, matrix, unmarked);
  EXPECT_EQ(changed, ringAround(kRelease)) << "one ring, centred on the release point";
  if (changed.empty()) return;
  const auto [firstX, firstY] = *changed.begin();
  const Rgb ringColor = shot.pixel(matrix.left + firstX, matrix.top + firstY);
  for (const auto& [x, y] : changed) {
    EXPECT_EQ(shot.pixel(matrix.left + x, matrix.top + y), ringColor)
        << "(" << x << ", " << y << ")";
  }
}

TEST_F(PickerTest, StripDragMovesTheArrowsAndHoldsTheEndRows) {
  const DrawingArea strip = drawingArea(layout::Control::imgVertical);
  const DrawingArea matrix = drawingArea(layout::Control::imgMatrix);
  const Screenshot start = settledClientPicture();
  const Block left = arrowPicture(start, layout::Control::imgArrowLeft, 0);
  const Block right = arrowPicture(start, layout::Control::imgArrowRight, 0);
  ASSERT_EQ(arrowRows(start, layout::Control::imgArrowLeft, left), std::vector<int>{0});
  ASSERT_EQ(arrowRows(start, layout::Control::imgArrowRight, right), std::vector<int>{0});

  constexpr int kPressRow = 100;
  constexpr int kBesideRow = 37;
  struct Step {
    const char* name;
    POINT screen;
    int row;
  };
  const POINT top = farTopLeftOfScreen();
  const POINT bottom = farBottomRightOfScreen();
  const POINT onStrip = onScreen(strip, {strip.width / 2, kPressRow});
  const auto steps = std::to_array<Step>({
      {"press", onStrip, kPressRow},
      {"above the strip", {onStrip.x, top.y}, 0},
      {"below the strip", {onStrip.x, bottom.y}, kLastPixel},
      {"over the matrix, beside the strip", onScreen(matrix, {matrix.width / 2, kBesideRow}),
       kBesideRow},
  });
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    const bool press = &step == steps.data();
    stripEvent(kLeft, step.screen, press ? kLeft.down : 0);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(press ? fieldsRead(pickedOnHueStrip(step.row))
                      : followed(step.screen, pickedOnHueStrip(step.row)));
    const Screenshot shot = waitForTwinPicture();
    EXPECT_TRUE(showsTwinSurfaces(shot));
    EXPECT_EQ(arrowRows(shot, layout::Control::imgArrowLeft, left), std::vector<int>{step.row});
    EXPECT_EQ(arrowRows(shot, layout::Control::imgArrowRight, right), std::vector<int>{step.row});
  }
  stripEvent(kLeft, steps.back().screen, kLeft.up);
}

TEST_F(PickerTest, RightAndMiddleButtonsPickOnTheStripAsTheLeftDoes) {
  const DrawingArea strip = drawingArea(layout::Control::imgVertical);
  struct Drag {
    const Button& button;
    int pressRow;
    int dragRow;
  };
  const auto drags = std::to_array<Drag>({{kRight, 200, 60}, {kMiddle, 150, 230}});
  for (const Drag& drag : drags) {
    SCOPED_TRACE(drag.button.name);
    const POINT press = onScreen(strip, {strip.width / 2, drag.pressRow});
    const POINT dragged = onScreen(strip, {strip.width / 2, drag.dragRow});
    stripEvent(drag.button, press, drag.button.down);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(fieldsRead(pickedOnHueStrip(drag.pressRow)));
    stripEvent(drag.button, dragged, 0);
    EXPECT_TRUE(fieldsRead(pickedOnHueStrip(drag.dragRow)));
    stripEvent(drag.button, dragged, drag.button.up);
    EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture()));
  }
}

TEST_F(PickerTest, EachOptionRedrawsStripAndMatrixButNotTheFields) {
  // Five digits: a rewrite of the fields would make them six.
  constexpr const char* kTyped = "a7bd5";
  typeInto(kHexField, kTyped);
  ASSERT_FALSE(HasFatalFailure());
  const FieldTexts typed = twin_.fieldTexts();
  ASSERT_TRUE(fieldsRead(typed));

  for (const int index : {1, 2, 3, 4, 5, 0}) {
    SCOPED_TRACE(testing::Message() << "optDim(" << index << ")");
    clickOption(index);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture()));
  }
  EXPECT_TRUE(fieldsRead(typed));
}

TEST_F(PickerTest, PressInTheMatrixTakesTheColorShownThere) {
  const DrawingArea matrix = drawingArea(layout::Control::imgMatrix);
  const DrawingArea swatch = drawingArea(layout::Control::imgCurColor);
  struct Press {
    int option;
    POINT at;
    // In the RGB modes the picked channels are the ones drawn at an even
    // (sampled) pixel; the HSV modes may differ there in the last bit.
    bool exact;
  };
  const auto presses = std::to_array<Press>({{3, {40, 210}, true},
                                             {4, {200, 20}, true},
                                             {5, {130, 96}, true},
                                             {1, {74, 160}, false},
                                             {2, {222, 58}, false},
                                             {0, {16, 8}, false}});
  for (const Press& press : presses) {
    SCOPED_TRACE(testing::Message() << "optDim(" << press.option << ")");
    clickOption(press.option);
    ASSERT_FALSE(HasFatalFailure());
    const Screenshot before = waitForTwinPicture();
    ASSERT_TRUE(showsTwinSurfaces(before));
    const Rgb shown = before.pixel(matrix.left + press.at.x, matrix.top + press.at.y);
    const POINT screen = onScreen(matrix, press.at);
    matrixEvent(kLeft, screen, kLeft.down);
    EXPECT_TRUE(fieldsRead(twin_.fieldTexts()));
    EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture())) << "the press";
    matrixEvent(kLeft, screen, kLeft.up);
    const Screenshot after = waitForTwinPicture();
    EXPECT_TRUE(showsTwinSurfaces(after));
    if (press.exact) {
      EXPECT_EQ(after.pixel(swatch.left, swatch.top), shown);
    }
  }
}

// Fails today: the release of a quick click reaches the program while the
// press is still refreshing the fields, is handled inside that refresh and
// rings the point, and then the press rebuilds the field without a marker.
TEST_F(PickerTest, QuickClickInTheMatrixLeavesItsMarker) {
  const DrawingArea matrix = drawingArea(layout::Control::imgMatrix);
  constexpr POINT kAt{90, 120};
  const POINT screen = onScreen(matrix, kAt);
  // Press and release in one go, as a fast click gives them.
  ASSERT_TRUE(click(screen));
  const auto x = static_cast<float>(kAt.x);
  const auto y = static_cast<float>(kAt.y);
  twin_.form.imgMatrix_MouseDown(kLeft.code, kNoModifiers, x, y);
  const PixelImage unmarked = twin_.imgMatrix.image();
  twin_.form.imgMatrix_MouseUp(kLeft.code, kNoModifiers, x, y);
  ASSERT_TRUE(fieldsRead(twin_.fieldTexts()));

  const Screenshot shot = waitForTwinPicture();
  EXPECT_TRUE(showsTwinSurfaces(shot));
  EXPECT_EQ(differingPixels(shot, matrix, unmarked), ringAround(kAt));
}

TEST_F(PickerTest, RenderQualityTakesEffectAtTheNextRedraw) {
  struct Quality {
    const char* name;
    int index;
    int step;
  };
  const auto qualities =
      std::to_array<Quality>({{"Medium", kMediumQuality, 3}, {"Low", kLowQuality, 4}});
  for (const Quality& quality : qualities) {
    SCOPED_TRACE(quality.name);
    pickQuality(quality.index);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(showsTwinSurfaces(settledClientPicture())) << "redrawn before it was asked";
    clickOption(kHue);
    ASSERT_FALSE(HasFatalFailure());
    const Screenshot shot = waitForTwinPicture();
    EXPECT_TRUE(showsTwinSurfaces(shot));
    EXPECT_TRUE(drawnInBlocks(shot, quality.step, {twin_.form.iMatrixX, twin_.form.iMatrixY}));
  }
}

// Keys from the real keyboard on both surfaces, against the twin given the
// same keys. Clicks alone show no focus cue; from the first key on, the
// surface with the focus shows it, and Tab takes it along.
// Long enough for a key that acted to show in the fields.
constexpr std::chrono::milliseconds kKeyWouldHaveActed{300};

TEST_F(PickerTest, KeysWorkBothSurfacesAndTheFocusCueFollowsTheKeyboard) {
  const POINT press = onScreen(drawingArea(layout::Control::imgMatrix), {100, 60});
  matrixEvent(kLeft, press, kLeft.down);
  matrixEvent(kLeft, press, kLeft.up);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture()));

  struct Step {
    const char* name;
    layout::Control surface;
    WORD key;
  };
  constexpr auto kSteps = std::to_array<Step>({
      {"Right", layout::Control::imgMatrix, VK_RIGHT},
      {"Page Down", layout::Control::imgMatrix, VK_NEXT},
      {"Up", layout::Control::imgMatrix, VK_UP},
      {"End", layout::Control::imgMatrix, VK_END},
      {"Tab", layout::Control::imgVertical, VK_TAB},
      {"Down", layout::Control::imgVertical, VK_DOWN},
      {"Page Down", layout::Control::imgVertical, VK_NEXT},
      {"Right", layout::Control::imgVertical, VK_RIGHT},
      {"Home", layout::Control::imgVertical, VK_HOME},
  });
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.name);
    pressKey(step.key);
    const auto code = static_cast<int16_t>(step.key);
    twin_.surfaceKeyDown(step.surface, code);
    twin_.keyUp(code);
    EXPECT_TRUE(fieldsRead(twin_.fieldTexts()));
    EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture(step.surface), step.surface));
  }

  // While the button holds a drag, an arrow is the drag's business: the
  // point stays where the press put it.
  const POINT held = onScreen(drawingArea(layout::Control::imgMatrix), {30, 200});
  matrixEvent(kLeft, held, kLeft.down);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(fieldsRead(twin_.fieldTexts()));
  pressKey(VK_LEFT);
  Sleep(static_cast<DWORD>(kKeyWouldHaveActed.count()));
  twin_.keyUp(VK_LEFT);
  EXPECT_TRUE(fieldsRead(twin_.fieldTexts()));
  matrixEvent(kLeft, held, kLeft.up);
}

}  // namespace
}  // namespace tintwell::e2e
