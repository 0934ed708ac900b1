#pragma once

// Fixtures: every test starts the program afresh, from settings it chose, and
// leaves nothing running behind it, whatever happened.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app_process.h"
#include "registry.h"
#include "screen.h"
#include "shell/frm_color.h"
#include "win32/gui_objects.h"

namespace tintwell::e2e {

using FieldTexts = std::array<std::string, kFieldCount>;

// A client point between the title and the flags, nothing but the band's
// white: a sample there is white at every scale.
inline constexpr POINT kOnTheWhiteBand{200, 20};

class TintwellSession : public ::testing::Test {
 protected:
  // Puts the user's own settings aside and clears them, as on a machine that
  // never ran the program, and moves the pointer out of the way.
  void SetUp() override;
  // Keeps a screenshot of a failed test, ends the program and gives the user's
  // settings back.
  void TearDown() override;

  // Starts the program and waits for its window; a failure is fatal. With a
  // trace file chosen, the program traces its handler calls into it; with
  // objects counted, it answers guiObjects().
  void launch();
  HWND control(int controlId) const { return app_.control(controlId); }
  HWND field(int index) const;
  HWND option(int index) const;
  // What the eight value fields show now.
  FieldTexts fieldTexts() const;
  // The screen inside the window's client area, once the condition holds on it
  // (or, after the reaction limit, as it is then).
  Screenshot waitForClientPicture(const std::function<bool(const Screenshot&)>& condition) const;
  // The client area once the window has painted itself anew and the picture
  // stays the same between two looks.
  Screenshot settledClientPicture() const;
  // Centre of a child window on the screen.
  POINT centreOf(HWND child) const;
  std::string artifactName(const std::string& suffix) const;

  // The trace file's last lines written by the given steady-clock time.
  std::string traceLinesUpTo(int64_t steadyClockMs, size_t count) const;
  // The program's GDI and USER objects, as it counts them itself.
  std::optional<win32::GuiObjects> guiObjects() const;

  std::optional<UserSettingsGuard> userSettings_;
  TintwellProcess app_;
  std::filesystem::path traceFile_;
  bool countObjects_ = false;
};

// A session started with no stored settings.
class StartedWindowTest : public TintwellSession {
 protected:
  void SetUp() override;
};

// A started window in the foreground, where keyboard input goes.
class InputTest : public StartedWindowTest {
 protected:
  void SetUp() override;
  // Clicks into a field and empties it with the keyboard.
  void clearField(HWND edit);
  // Waits for the field to read the text; false when it never did.
  bool fieldReads(int index, const std::string& text) const;
};

}  // namespace tintwell::e2e
