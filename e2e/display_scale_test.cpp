// The window on a display of another scale than the one it is designed at:
// laid out from the design scaled edge by edge, its texts unclipped, and every
// physical pixel of the surfaces and of the screen picked and sampled exactly.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "child_process.h"
#include "environment.h"
#include "expected_pixels.h"
#include "held_input.h"
#include "input.h"
#include "patches_process.h"
#include "picker/picker_math.h"
#include "registry.h"
#include "session.h"
#include "shell/display_scale.h"
#include "shell/layout.h"
#include "win32/fonts.h"
#include "win32/handles.h"
#include "win32/text.h"
#include "win32/wine.h"

namespace tintwell::e2e {
namespace {

// A press that never shows in the field is reported; after a few of them the
// rest of a pass is not waited for.
constexpr int kMissesReported = 3;
constexpr std::chrono::milliseconds kLostPressLook{2'000};

testing::AssertionResult sameBox(const RECT& shown, const Box& expected) {
  if (shown.left == expected.left && shown.top == expected.top && shown.right == expected.right &&
      shown.bottom == expected.bottom) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure()
         << "(" << shown.left << ", " << shown.top << ")-(" << shown.right << ", " << shown.bottom
         << "), not (" << expected.left << ", " << expected.top << ")-(" << expected.right << ", "
         << expected.bottom << ")";
}

std::string nameOf(const layout::ControlDesign& design) {
  const std::string name(design.name);
  return design.index == layout::kNoGroupIndex ? name
                                               : name + "(" + std::to_string(design.index) + ")";
}

class DisplayScaleTest : public TintwellSession, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    TintwellSession::SetUp();
    if (HasFatalFailure()) return;
    logPixels_.emplace(kDesktopKey, kLogPixelsValue, dwordValue(static_cast<DWORD>(GetParam())));
    ASSERT_TRUE(logPixels_->written()) << "could not set the display's DPI";
    launch();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(bringToFront(app_.window()));
  }

  void TearDown() override {
    TintwellSession::TearDown();
    logPixels_.reset();
  }

  DisplayScale scale() const { return DisplayScale(GetParam()); }

  // A surface's drawing area, in the main window's client coordinates.
  RECT drawnArea(int controlId) const {
    RECT area{};
    GetClientRect(control(controlId), &area);
    MapWindowPoints(control(controlId), app_.window(), reinterpret_cast<POINT*>(&area), 2);
    return area;
  }

  // Presses and releases the left button at the client point and waits for
  // the hex field to read the colour. Under Wine the program now and then
  // takes a press at a place the pointer left a few moves before (see
  // movePointer); a fault of the program's own would repeat, so a press that
  // did not show is made once more at the same place. Not from a pixel aside:
  // that move could itself be reported late and take the press into the
  // neighbouring column.
  testing::AssertionResult pressPicks(POINT client, const Rgb& color) const {
    const POINT screen = app_.toScreen(client);
    const std::string expected = hexText(color);
    const auto limits = std::to_array({kLostPressLook, kReactionLimit});
    for (const auto& limit : limits) {
      if (!click(screen)) {
        return testing::AssertionFailure() << "the pointer did not move";
      }
      if (waitUntil([&] { return controlText(field(kHexField)) == expected; }, limit)) {
        return testing::AssertionSuccess();
      }
    }
    return testing::AssertionFailure()
           << "a press at (" << client.x << ", " << client.y << ") reads "
           << controlText(field(kHexField)) << ", not " << expected;
  }

  // The checkerboard with its top-left at corner, on the screen, sampled pixel by pixel.
  void expectEveryPixelSampled(POINT corner) const;
  POINT besideTheWindow() const;

  std::optional<UserValueGuard> logPixels_;
};

TEST_P(DisplayScaleTest, WindowAndControlsAreTheDesignScaledEdgeByEdge) {
  RECT client{};
  ASSERT_TRUE(GetClientRect(app_.window(), &client));
  EXPECT_TRUE(
      sameBox(client, scale().toPhysical(Box{0, 0, layout::kClientWidth, layout::kClientHeight})));
  for (const layout::ControlDesign* design : layout::windowedControls()) {
    SCOPED_TRACE(nameOf(*design));
    const HWND child = control(design->controlId);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(sameBox(app_.placeInClient(child), scale().toPhysical(layout::outerBox(*design))));
    if (design->kind == layout::ControlKind::surface) {
      EXPECT_TRUE(
          sameBox(drawnArea(design->controlId), scale().toPhysical(layout::innerBox(*design))))
          << "the drawing area";
    }
  }

  settledClientPicture();
  RECT frame{};
  GetWindowRect(app_.window(), &frame);
  EXPECT_TRUE(Screenshot::capture(frame).saveBmp(artifactDirectory() / artifactName("window.bmp")));
}

// The widest text each field holds, in its own font, within its formatting
// rectangle; each option's caption beside its check box within the button.
TEST_P(DisplayScaleTest, NoTextIsClipped) {
  struct Widest {
    int field;
    const char* text;
  };
  const auto widest = std::to_array<Widest>({{kHueField, "360"},
                                             {kSaturationField, "100"},
                                             {kBrightnessField, "100"},
                                             {kRedField, "255"},
                                             {kGreenField, "255"},
                                             {kBlueField, "255"},
                                             {kHexField, "ffffff"},
                                             {kColorNumberField, "16777215"}});
  // Another process's font cannot be selected here (and under Wine WM_GETFONT
  // reads nothing across processes): the same font is made from the design.
  const auto extentIn = [&](HWND window, const layout::ControlDesign& design,
                            const std::string& text) {
    const win32::WindowDc dc(window, win32::WindowDc::Area::client);
    const LOGFONTW made = win32::logFontOf(design.font, false, GetParam());
    const win32::Font font(CreateFontIndirectW(&made));
    const win32::SelectedObject selected(dc.get(), font.get());
    const std::wstring wide = win32::toWide(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    return extent.cx;
  };
  for (const Widest& entry : widest) {
    SCOPED_TRACE(entry.text);
    const HWND edit = field(entry.field);
    RECT formatting{};
    query(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&formatting));
    const long width =
        extentIn(edit, *layout::findControl(layout::Control::txtInp, entry.field), entry.text);
    EXPECT_LE(width, formatting.right - formatting.left);
  }
  for (int index = 0; index < kDimensionCount; ++index) {
    const HWND button = option(index);
    RECT inside{};
    GetClientRect(button, &inside);
    const std::string caption = controlText(button);
    SCOPED_TRACE(caption);
    const layout::ControlDesign& design = *layout::findControl(layout::Control::optDim, index);
    const long text = extentIn(button, design, caption);
    const long checkBox = MulDiv(GetSystemMetrics(SM_CXMENUCHECK), GetParam(), kDesignDpi);
    const long gap = extentIn(button, design, " ");
    EXPECT_LE(checkBox + gap + text, inside.right - inside.left);
  }
}

// With red chosen the matrix shows blue across and green up, red fixed, and
// keeps showing them while presses change green and blue; the strip shows
// red down, green and blue fixed, and keeps showing it while presses change
// red. Each press on a physical pixel must pick the designed pixel drawn
// there: the field reads the colour the screen showed there before.
TEST_P(DisplayScaleTest, PressOnEveryPhysicalPixelPicksWhatIsShownThere) {
  ASSERT_TRUE(click(centreOf(option(kRed))));
  ASSERT_TRUE(
      waitUntil([&] { return query(option(kRed), BM_GETCHECK) == BST_CHECKED; }, kReactionLimit));
  const RECT matrix = drawnArea(layout::kImgMatrixId);
  const Box designedMatrix = layout::innerBox(*layout::findControl(layout::Control::imgMatrix));
  // An even designed row, far from the marker in the bottom-left corner: the
  // matrix samples every second pixel and repeats it on the next, so on an
  // odd row the green shown would be the one of the row above.
  constexpr int kRow = kSurfaceSide / 2;
  const int row = scale().toPhysical(designedMatrix.top + kRow);
  const Screenshot before = settledClientPicture();
  int misses = 0;
  for (int x = matrix.left; x < matrix.right && misses < kMissesReported; ++x) {
    const int column = scale().toDesigned(x) - designedMatrix.left;
    SCOPED_TRACE(testing::Message() << "matrix column " << column << " at x " << x);
    const Rgb shown = before.pixel(x, row);
    // Likewise every odd column shows the even one before it.
    ASSERT_EQ(shown.blue, column - column % 2) << "the matrix is drawn out of place";
    const auto picked =
        pressPicks({x, row}, {shown.red, shown.green, static_cast<uint8_t>(column)});
    if (!picked) ++misses;
    EXPECT_TRUE(picked);
  }

  const RECT strip = drawnArea(layout::kImgVerticalId);
  const int middle = (strip.left + strip.right) / 2;
  const Screenshot afterRow = settledClientPicture();
  for (int y = strip.top; y < strip.bottom && misses < kMissesReported; ++y) {
    SCOPED_TRACE(testing::Message() << "strip row at y " << y);
    const auto picked = pressPicks({middle, y}, afterRow.pixel(middle, y));
    if (!picked) ++misses;
    EXPECT_TRUE(picked);
  }
}

// After a press, the ring around the picked point and the arrows beside the
// picked row are drawn where the colour puts them, at the display's scale.
TEST_P(DisplayScaleTest, MarkerAndArrowsLandWhereTheStatePutsThem) {
  ASSERT_TRUE(click(centreOf(option(kRed))));
  ASSERT_TRUE(
      waitUntil([&] { return query(option(kRed), BM_GETCHECK) == BST_CHECKED; }, kReactionLimit));
  const Box matrix = layout::innerBox(*layout::findControl(layout::Control::imgMatrix));
  const layout::ControlDesign& strip = *layout::findControl(layout::Control::imgVertical);
  const auto shown = [this](int designedX, int designedY) {
    return POINT{scale().toPhysical(designedX), scale().toPhysical(designedY)};
  };
  constexpr int kX = 100;  // even, so the matrix shows this very column
  constexpr int kY = 60;
  const PackedColor picked = packRgb(kLastPixel, kLastPixel - kY, kX);
  const POINT press = shown(matrix.left + kX, matrix.top + kY);
  ASSERT_TRUE(pressPicks(press, {kLastPixel, kLastPixel - kY, kX}));
  const Screenshot field = settledClientPicture();
  const PackedColor ring = markerColorOver(picked);
  const POINT onRing = shown(matrix.left + kX + kMarkerRadius, matrix.top + kY);
  EXPECT_EQ(field.pixel(onRing.x, onRing.y),
            (Rgb{static_cast<uint8_t>(redOf(ring)), static_cast<uint8_t>(greenOf(ring)),
                 static_cast<uint8_t>(blueOf(ring))}))
      << "the ring";
  const POINT beyondRing = shown(matrix.left + kX + kMarkerRadius + 2, matrix.top + kY);
  EXPECT_EQ(field.pixel(beyondRing.x, beyondRing.y),
            (Rgb{kLastPixel, kLastPixel - kY, kX + kMarkerRadius + 1}))
      << "the field just beyond the ring";

  constexpr int kRow = 40;
  const int stripTop = strip.top + kSurfaceBorder;
  const POINT onStrip = shown(strip.left + strip.width / 2, stripTop + kRow);
  ASSERT_TRUE(pressPicks(onStrip, {kLastPixel - kRow, kLastPixel - kY, kX}));
  const Screenshot arrows = settledClientPicture();
  const int arrowTop = layout::arrowTop(strip.top, kRow);
  for (const layout::Control id : {layout::Control::imgArrowLeft, layout::Control::imgArrowRight}) {
    const layout::ControlDesign& arrow = *layout::findControl(id);
    SCOPED_TRACE(arrow.name);
    const Box place = scale().toPhysical(
        Box{arrow.left, arrowTop, arrow.left + arrow.width, arrowTop + arrow.height});
    const int middleX = (place.left + place.right) / 2;
    EXPECT_EQ(arrows.pixel(middleX, (place.top + place.bottom) / 2), (Rgb{255, 255, 255}))
        << "the arrow's white inside at its middle";
    EXPECT_NE(arrows.pixel(middleX, place.top - 1), (Rgb{255, 255, 255})) << "above the arrow";
    EXPECT_NE(arrows.pixel(middleX, place.bottom), (Rgb{255, 255, 255})) << "below the arrow";
  }
}

// A one-pixel checkerboard of two known colours, on the screen to sample.
constexpr Rgb kEven{0x12, 0x34, 0x56};
constexpr Rgb kOdd{0xed, 0xcb, 0xa9};
constexpr int kCheckerSide = 16;
constexpr LONG kCheckerGap = 40;

Rgb checkerAt(int x, int y) {
  return (x + y) % 2 == 0 ? kEven : kOdd;
}

// The checkerboard as a binary PPM picture, for a program of the host system.
bool writeChecker(const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  out << "P6\n" << kCheckerSide << " " << kCheckerSide << "\n255\n";
  for (int y = 0; y < kCheckerSide; ++y) {
    for (int x = 0; x < kCheckerSide; ++x) {
      const Rgb color = checkerAt(x, y);
      out.put(static_cast<char>(color.red))
          .put(static_cast<char>(color.green))
          .put(static_cast<char>(color.blue));
    }
  }
  return static_cast<bool>(out);
}

// Runs a command of the host system through its shell, with none of the
// test's output held open, and waits for the shell (not for what it started
// in the background).
bool runOnHost(const std::wstring& command) {
  ChildProcess shell;
  if (!shell.start(L"/bin/sh -c \"" + command + L" </dev/null >/dev/null 2>&1\"").empty()) {
    return false;
  }
  shell.waitForExit(kReactionLimit);
  return true;
}

// Holding SHIFT, the fields take the screen pixel under the pointer: on a
// one-pixel checkerboard each step of the pointer changes the colour.
void DisplayScaleTest::expectEveryPixelSampled(POINT corner) const {
  constexpr int kWalked = 4;
  constexpr int kInset = 4;
  ASSERT_TRUE(waitUntil(
      [&] {
        const Screenshot board = Screenshot::capture(
            {corner.x, corner.y, corner.x + kCheckerSide, corner.y + kCheckerSide});
        for (int y = 0; y < kCheckerSide; ++y) {
          for (int x = 0; x < kCheckerSide; ++x) {
            if (board.pixel(x, y) != checkerAt(x, y)) return false;
          }
        }
        return true;
      },
      kStartLimit))
      << "the checkerboard never showed whole";
  ASSERT_TRUE(bringToFront(app_.window())) << "the checkerboard took the foreground";
  ASSERT_TRUE(movePointer({corner.x + kInset, corner.y + kInset}));
  HeldKey shift(VK_SHIFT);
  for (int y = kInset; y < kInset + kWalked; ++y) {
    for (int x = kInset; x < kInset + kWalked; ++x) {
      SCOPED_TRACE(testing::Message() << "(" << x << ", " << y << ") of the checkerboard");
      ASSERT_TRUE(movePointer({corner.x + x, corner.y + y}));
      const std::string hex = hexText(checkerAt(x, y));
      EXPECT_TRUE(waitUntil([&] { return controlText(field(kHexField)) == hex; }, kReactionLimit))
          << "reads " << controlText(field(kHexField)) << ", not " << hex;
    }
  }
}

POINT DisplayScaleTest::besideTheWindow() const {
  RECT window{};
  GetWindowRect(app_.window(), &window);
  return {window.right + kCheckerGap, window.top + kCheckerGap};
}

TEST_P(DisplayScaleTest, SamplerReadsEveryPhysicalPixelOfAWindowsWindow) {
  const POINT corner = besideTheWindow();
  ColorPatches checker;
  ASSERT_EQ(checker.showChecker(corner, kCheckerSide, kEven, kOdd), "");
  expectEveryPixelSampled(corner);
}

// The same over a window of the host's own windowing system, which knows
// nothing of the program's scaling: under Wine, an X window of the image
// viewer of the host, which ends itself after a while.
TEST_P(DisplayScaleTest, SamplerReadsEveryPhysicalPixelOfANativeWindow) {
  if (!win32::runningUnderWine()) GTEST_SKIP() << "only Wine has a host window system beside it";
  // Wine's drive Z: is the host's root, so the viewer finds the picture there.
  const std::wstring unixPicture =
      L"/tmp/tintwell-checker-" + std::to_wstring(GetCurrentProcessId()) + L".ppm";
  const std::filesystem::path picture = L"Z:" + unixPicture;
  ASSERT_TRUE(writeChecker(picture));
  const POINT corner = besideTheWindow();
  // Ended by name once sampled, however the test ends, or by its own time limit.
  ASSERT_TRUE(runOnHost(L"/usr/bin/timeout 60 /usr/bin/display -borderwidth 0 -geometry +" +
                        std::to_wstring(corner.x) + L"+" + std::to_wstring(corner.y) + L" " +
                        unixPicture + L" &"))
      << "cannot start the host's image viewer";
  const std::unique_ptr<const std::wstring, void (*)(const std::wstring*)> viewer(
      &unixPicture, [](const std::wstring* shown) { runOnHost(L"/usr/bin/pkill -f " + *shown); });
  expectEveryPixelSampled(corner);
  std::filesystem::remove(picture);
}

INSTANTIATE_TEST_SUITE_P(DisplayScale, DisplayScaleTest, testing::Values(120, 144, 192),
                         [](const testing::TestParamInfo<int>& info) {
                           return "Dpi" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace tintwell::e2e
