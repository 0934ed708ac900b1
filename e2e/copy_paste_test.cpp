// The colour in and out: Ctrl+C and Ctrl+V on the colour field, the strip and
// the swatch, and the swatch's menu, read back from the real clipboard.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include "environment.h"
#include "expected_pixels.h"
#include "input.h"
#include "shell/layout.h"
#include "win32/clipboard.h"

namespace tintwell::e2e {
namespace {

constexpr WORD kKeyC = 'C';
constexpr WORD kKeyV = 'V';
// On the flag's red stripe.
constexpr POINT kOnHungarianFlag{424, 8};

void pressWithCtrl(WORD key) {
  sendKey(VK_CONTROL, false);
  pressKey(key);
  sendKey(VK_CONTROL, true);
}

class CopyPasteTest : public TwinWindowTest {
 protected:
  static std::optional<std::string> clipboardText() { return win32::Win32Clipboard().text(); }
  static void putOnClipboard(const std::string& text) {
    ASSERT_TRUE(win32::Win32Clipboard().setText(text)) << "the clipboard would not open";
  }
  bool clipboardReads(const std::string& text) const {
    return waitUntil([&] { return clipboardText() == text; }, kReactionLimit);
  }
  // Ctrl+C over a text it cannot copy, so that a copy of what was just
  // pasted cannot seem done before the window took the keys.
  testing::AssertionResult copiesByCtrlC(const std::string& expected) {
    putOnClipboard("not copied yet");
    pressWithCtrl(kKeyC);
    if (clipboardReads(expected)) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "the clipboard reads " << clipboardText().value_or("no text");
  }

  HWND surface(int controlId) const { return control(controlId); }
  void focusSurfaceByClick(int controlId) {
    ASSERT_TRUE(click(centreOf(surface(controlId))));
    ASSERT_TRUE(waitUntil([&] { return app_.focus() == surface(controlId); }, kReactionLimit));
  }

  // Pastes in the real window by Ctrl+V and in the twin alike, and waits
  // until both show the same, the focus cue on the surface given.
  void pasteEverywhere(const std::string& text,
                       std::optional<layout::Control> cued = std::nullopt) {
    putOnClipboard(text);
    pressWithCtrl(kKeyV);
    twin_.platform.fakeClipboard.contents = text;
    twin_.form.pasteColor();
    EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture(cued), cued));
    EXPECT_TRUE(fieldsRead(twin_.fieldTexts()));
  }

  // A right-click on the swatch; the menu's window once it shows.
  HWND rightClickSwatch() {
    EXPECT_TRUE(movePointer(centreOf(surface(layout::kImgCurColorId))));
    sendButton(MOUSEEVENTF_RIGHTDOWN);
    sendButton(MOUSEEVENTF_RIGHTUP);
    HWND menu = nullptr;
    waitUntil([&] { return (menu = shownPopupMenu()) != nullptr; }, kReactionLimit);
    return menu;
  }

  static bool menuClosed() {
    return waitUntil([] { return shownPopupMenu() == nullptr; }, kReactionLimit);
  }

  // The menu and the window around it, kept with the test's artifacts.
  void saveMenuPicture(HWND menu, const std::string& name) const {
    RECT window{};
    RECT popup{};
    GetWindowRect(app_.window(), &window);
    GetWindowRect(menu, &popup);
    RECT both{};
    UnionRect(&both, &window, &popup);
    Sleep(300);  // the menu's items are painted just after it shows
    EXPECT_TRUE(Screenshot::capture(both).saveBmp(artifactDirectory() / artifactName(name)));
  }
};

// Each surface takes the focus its own way: the colour field has it at start,
// the strip is the next tab stop, the swatch takes it from a click.
TEST_F(CopyPasteTest, CtrlVAndCtrlCOnEachSurface) {
  struct Row {
    const char* name;
    int controlId;
    const char* pasted;
    const char* copied;
  };
  const auto rows = std::to_array<Row>({
      {"colour field, #rrggbb", layout::kImgMatrixId, "#6496c8", "#6496c8"},
      {"colour field, rrggbb in capitals", layout::kImgMatrixId, "3C6E91", "#3c6e91"},
      {"strip, rgb() with blanks", layout::kImgVerticalId, " rgb(1, 2, 3)\r\n", "#010203"},
      {"swatch, #rgb", layout::kImgCurColorId, "#fa0", "#ffaa00"},
      {"swatch, RGB() without blanks", layout::kImgCurColorId, "RGB(0,128,255)", "#0080ff"},
  });
  ASSERT_TRUE(
      waitUntil([&] { return app_.focus() == surface(layout::kImgMatrixId); }, kReactionLimit));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // The strip is reached by Tab, so it shows the focus cue from then on.
    std::optional<layout::Control> cued;
    if (row.controlId == layout::kImgVerticalId) {
      cued = layout::Control::imgVertical;
      if (app_.focus() != surface(row.controlId)) {
        pressKey(VK_TAB);
        ASSERT_TRUE(
            waitUntil([&] { return app_.focus() == surface(row.controlId); }, kReactionLimit));
      }
    } else if (app_.focus() != surface(row.controlId)) {
      focusSurfaceByClick(row.controlId);
    }
    pasteEverywhere(row.pasted, cued);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(copiesByCtrlC(row.copied));
  }
}

// Each paste that is not a colour is followed by a copy, which the window
// handles after it: once the copy is there, the paste has been handled too.
TEST_F(CopyPasteTest, TextsThatAreNoColourChangeNothing) {
  focusSurfaceByClick(layout::kImgCurColorId);
  ASSERT_FALSE(HasFatalFailure());
  const Screenshot before = settledClientPicture();
  const FieldTexts fields = fieldTexts();
  for (const char* text :
       {"hsl(360, 100%, 50%)", "#ff000", "ff00000", "rgb(256, 0, 0)", "red", "16711680"}) {
    SCOPED_TRACE(text);
    putOnClipboard(text);
    pressWithCtrl(kKeyV);
    pressWithCtrl(kKeyC);
    EXPECT_TRUE(clipboardReads("#ff0000")) << "reads " << clipboardText().value_or("no text");
  }
  EXPECT_EQ(fieldTexts(), fields);
  EXPECT_EQ(settledClientPicture(), before);
}

// In a value field the keys are the field's own: its paste is cut at six
// characters, its copy takes the selection as it is.
TEST_F(CopyPasteTest, ValueFieldsKeepTheirOwnCopyAndPaste) {
  const HWND hex = field(kHexField);
  ASSERT_TRUE(click(centreOf(hex)));
  ASSERT_TRUE(waitUntil([&] { return app_.focus() == hex; }, kReactionLimit));
  query(hex, EM_SETSEL, 0, -1);
  EXPECT_TRUE(copiesByCtrlC("ff0000"));

  putOnClipboard("#3c6e91");
  query(hex, EM_SETSEL, 0, -1);
  pressWithCtrl(kKeyV);
  EXPECT_TRUE(fieldReads(kHexField, "#3c6e9"));
}

TEST_F(CopyPasteTest, EachMenuItemTakenByKeyboardCopiesItsText) {
  pasteEverywhere("#6496c8");
  ASSERT_FALSE(HasFatalFailure());
  const Screenshot before = settledClientPicture();
  const auto forms = std::to_array<std::string>(
      {"#6496c8", "6496c8", "#6496C8", "rgb(100, 150, 200)", "hsl(210, 48%, 59%)"});
  for (size_t item = 0; item < forms.size(); ++item) {
    SCOPED_TRACE(forms.at(item));
    putOnClipboard("not yet");
    const HWND menu = rightClickSwatch();
    ASSERT_NE(menu, nullptr) << "no menu opened";
    if (item == 0) saveMenuPicture(menu, "menu.bmp");
    for (size_t down = 0; down <= item; ++down) pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    EXPECT_TRUE(menuClosed());
    EXPECT_TRUE(clipboardReads(forms.at(item))) << "reads " << clipboardText().value_or("no text");
  }
  EXPECT_TRUE(fieldsRead(twin_.fieldTexts()));
  EXPECT_EQ(settledClientPicture(), before) << "the menu left something behind";
}

// The last item, in either language, pastes a colour; with no colour on the
// clipboard it is greyed and taking it does nothing.
TEST_F(CopyPasteTest, TheLastItemPastesInBothLanguages) {
  struct Row {
    const char* name;
    const char* clipboard;
    bool colour;
  };
  const auto rows = std::to_array<Row>({
      {"English, a colour", "#3c6e91", true},
      {"English, our own hsl() form", "hsl(210, 48%, 59%)", false},
      {"Hungarian, a colour", "rgb(200, 100, 50)", true},
      {"Hungarian, not a colour", "#3c6e9", false},
  });
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (std::string(row.name).starts_with("Hungarian") &&
        comboItems(control(layout::kCmbQualityId)).front() != "Magas") {
      ASSERT_TRUE(movePointer(app_.toScreen(kOnHungarianFlag)));
      Sleep(300);  // the pale flag, which takes the click, shows on the next hover tick
      ASSERT_TRUE(click(app_.toScreen(kOnHungarianFlag)));
      ASSERT_TRUE(
          waitUntil([&] { return comboItems(control(layout::kCmbQualityId)).front() == "Magas"; },
                    kReactionLimit));
    }
    const Screenshot before = settledClientPicture();
    putOnClipboard(row.clipboard);
    const HWND menu = rightClickSwatch();
    ASSERT_NE(menu, nullptr) << "no menu opened";
    saveMenuPicture(menu, std::string(row.colour ? "paste" : "greyed") +
                              (std::string(row.name).starts_with("Hungarian") ? "-hu" : "-en") +
                              ".bmp");
    pressKey(VK_UP);
    pressKey(VK_RETURN);
    if (!row.colour) pressKey(VK_ESCAPE);  // a greyed item leaves the menu open
    EXPECT_TRUE(menuClosed());
    if (row.colour) {
      twin_.platform.fakeClipboard.contents = row.clipboard;
      twin_.form.pasteColor();
      EXPECT_TRUE(showsTwinSurfaces(waitForTwinPicture()));
      EXPECT_TRUE(fieldsRead(twin_.fieldTexts()));
    } else {
      // The copy is handled after anything the menu did.
      EXPECT_TRUE(copiesByCtrlC("#" + twin_.fieldTexts().at(kHexField)));
      EXPECT_EQ(settledClientPicture(), before);
    }
  }
}

// From the keyboard the menu opens below the swatch; the colour field and
// the strip have no menu, their right button stays a press.
TEST_F(CopyPasteTest, TheMenuKeyOpensTheMenuAtTheSwatchOnly) {
  focusSurfaceByClick(layout::kImgCurColorId);
  ASSERT_FALSE(HasFatalFailure());
  pressKey(VK_APPS);
  HWND menu = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (menu = shownPopupMenu()) != nullptr; }, kReactionLimit));
  RECT swatch{};
  RECT popup{};
  GetWindowRect(surface(layout::kImgCurColorId), &swatch);
  GetWindowRect(menu, &popup);
  EXPECT_EQ(popup.left, swatch.left);
  EXPECT_EQ(popup.top, swatch.bottom);
  pressKey(VK_ESCAPE);
  EXPECT_TRUE(menuClosed());

  for (const int controlId : {layout::kImgMatrixId, layout::kImgVerticalId}) {
    focusSurfaceByClick(controlId);
    ASSERT_FALSE(HasFatalFailure());
    pressKey(VK_APPS);
    sendButton(MOUSEEVENTF_RIGHTDOWN);
    sendButton(MOUSEEVENTF_RIGHTUP);
    // The copy is handled after the key and the button.
    EXPECT_TRUE(copiesByCtrlC("#" + controlText(field(kHexField))));
    EXPECT_EQ(shownPopupMenu(), nullptr) << "a menu opened on control " << controlId;
  }
}

// The menu's own loop takes the keys, yet SHIFT still starts the sampler and
// its release still ends it, as everywhere else in the window.
TEST_F(CopyPasteTest, ShiftSamplesWhileTheMenuIsOpen) {
  constexpr POINT kOnHeaderBand{200, 20};
  constexpr DWORD kTicksThatWouldSample = 1'000;
  ASSERT_NE(rightClickSwatch(), nullptr) << "no menu opened";
  ASSERT_TRUE(movePointer(app_.toScreen(kOnHeaderBand)));
  sendKey(VK_SHIFT, false);
  EXPECT_TRUE(fieldReads(kHexField, "ffffff")) << "the sampler did not start";
  sendKey(VK_SHIFT, true);
  ASSERT_TRUE(movePointer(centreOf(surface(layout::kImgVerticalId))));
  Sleep(kTicksThatWouldSample);
  EXPECT_EQ(controlText(field(kHexField)), "ffffff") << "the sampler did not stop";
  EXPECT_NE(shownPopupMenu(), nullptr);
  pressKey(VK_ESCAPE);
  EXPECT_TRUE(menuClosed());
}

}  // namespace
}  // namespace tintwell::e2e
