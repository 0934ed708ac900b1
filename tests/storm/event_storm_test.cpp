// A seeded storm of random events on the headless window, with the window's
// invariants checked after every one. TINTWELL_STORM_EVENTS and
// TINTWELL_STORM_SEED make a longer or a repeated run.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

#include "core/mod_color.h"
#include "fakes/headless_window.h"
#include "fields/field_texts.h"
#include "picker/picker_math.h"
#include "shell/layout.h"

namespace tintwell {
namespace {

using fakes::HeadlessWindow;

constexpr int16_t kShift = 16;

uint64_t environmentNumber(const char* name, uint64_t fallback) {
  const char* text = std::getenv(name);
  return text ? std::strtoull(text, nullptr, 10) : fallback;
}

class Storm {
 public:
  explicit Storm(uint64_t seed) : random_(seed) {
    window_.window.clientOrigin = {300, 200};
    window_.window.rect = {4200, 2400, 6720, 6870};
    window_.start();
  }

  void run(uint64_t events) {
    for (uint64_t event = 0; event < events; ++event) {
      randomEvent();
      SCOPED_TRACE(testing::Message() << "event " << event << " of kind " << lastEvent_);
      checkInvariants();
      if (testing::Test::HasFailure()) return;
    }
  }

 private:
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::string randomText() {
    static const std::string kAlphabet = "0123456789.,eEdD+-&HhOoabcdefABCFxz \t";
    static const char* const kPieces[] = {"\xC5\x91", "\xC3\xA9", "1e400",    "4e4",
                                          "3e9",      "&HFF",     "99999999", "-1"};
    std::string text;
    const int length = between(0, 9);
    for (int i = 0; i < length; ++i) {
      if (between(0, 9) == 0) {
        text += kPieces[between(0, std::ssize(kPieces) - 1)];
      } else {
        text += kAlphabet[static_cast<size_t>(between(0, static_cast<int>(kAlphabet.size()) - 1))];
      }
    }
    return text;
  }

  float farCoordinate() { return static_cast<float>(between(-2000, 2000)); }

  void randomEvent() {
    frmColor& form = window_.form;
    const int kind = between(0, 24);
    lastEvent_ = kind;
    switch (kind) {
      case 0:
        form.imgMatrix_MouseDown(1, 0, farCoordinate(), farCoordinate());
        break;
      case 1:
        form.imgMatrix_MouseMove(1, 0, static_cast<float>(between(-40, 300)), farCoordinate());
        break;
      case 2:
        form.imgMatrix_MouseUp(1, 0, farCoordinate(), farCoordinate());
        break;
      case 3:
        window_.platform.cursor = {between(-3000, 3000), between(-3000, 3000)};
        form.imgVertical_MouseDown(2, 0, 0, 0);
        break;
      case 4:
        window_.platform.cursor = {between(0, 1000), between(0, 800)};
        form.imgVertical_MouseMove(2, 0, 0, 0);
        break;
      case 5:
        form.imgVertical_MouseUp(2, 0, 0, 0);
        break;
      case 6:
      case 7:
        window_.typeInto(between(0, kFieldCount - 1), randomText());
        break;
      case 8:
        window_.replaceText(between(0, kFieldCount - 1), randomText());
        break;
      case 9:
        if (window_.focusedField >= 0) {
          window_.fields[static_cast<size_t>(window_.focusedField)]->backspace();
        }
        break;
      case 10:
        window_.focusElsewhere();
        break;
      case 11: {
        int16_t key = between(0, 1) ? kShift : static_cast<int16_t>(between(8, 255));
        if (between(0, 1)) {
          form.Form_KeyDown(key, 0);
        } else {
          form.Form_KeyUp(key, 0);
        }
        break;
      }
      case 12: {
        const PackedColor color =
            between(0, 9) == 0 ? kInvalidColor : static_cast<PackedColor>(between(0, 0xFFFFFF));
        window_.platform.screen = [color](int32_t, int32_t) { return color; };
        window_.tickSampler();
        break;
      }
      case 13:
        form.optDim_Click(static_cast<int16_t>(between(0, 5)));
        break;
      case 14:
        window_.cmbQuality.setListIndex(between(0, 2));
        break;
      case 15:
        if (between(0, 1)) {
          form.imgLangHUN_hl_Click();
        } else {
          form.imgLangENG_hl_Click();
        }
        break;
      case 16: {
        const int which = between(0, 4);
        if (which == 0) form.imgLangENG_MouseMove();
        if (which == 1) form.imgLangHUN_MouseMove();
        if (which == 2) form.lblHomepage_MouseMove();
        if (which == 3) form.Form_MouseMove();
        window_.platform.cursor = {between(-100, 900), between(-100, 700)};
        window_.tickHover();
        break;
      }
      case 17:
        window_.window.post(queuedEvent());
        break;
      case 18:  // keys typed faster than the handlers take them
        for (int key = between(1, 40); key > 0; --key) {
          window_.window.post([this] {
            if (window_.focusedField >= 0) userEdit(window_.focusedField);
          });
        }
        break;
      case 19: {  // a click into a field puts the caret where it lands
        const int index = between(0, kFieldCount - 1);
        window_.focusField(index);
        window_.fields[static_cast<size_t>(index)]->setSelStart(between(0, 8));
        break;
      }
      case 20:
        window_.tabForward();
        break;
      case 21: {  // the context menu focuses its field first
        const int index = between(0, kFieldCount - 1);
        window_.focusField(index);
        userEdit(index);
        break;
      }
      case 22:  // a corrected colour number with input queued behind it
        for (int queued = between(1, 3); queued > 0; --queued) window_.window.post(queuedEvent());
        window_.replaceText(kColorNumberField, outOfRangeColorNumber());
        break;
      case 23:  // the same, typed while a handler refreshes
        window_.window.post([this] {
          for (int queued = between(1, 3); queued > 0; --queued) {
            window_.window.post(queuedEvent());
          }
          window_.replaceText(kColorNumberField, outOfRangeColorNumber());
        });
        break;
      default: {
        const bool wine = between(0, 1) == 1;
        for (auto& field : window_.fields) field->refusalRaisesChange = wine;
        break;
      }
    }
  }

  std::string outOfRangeColorNumber() { return between(0, 1) ? "99999999" : "-1"; }

  // An edit of the kind a user makes with keys or the context menu.
  void userEdit(int index) {
    fakes::FakeTextField& field = *window_.fields[static_cast<size_t>(index)];
    switch (between(0, 8)) {
      case 0:
        field.backspace();
        break;
      case 1:
        field.deleteForward();
        break;
      case 2:
        field.setSelStart(between(0, 8));
        break;
      case 3:
        field.selectAll();
        break;
      case 4:
        field.cut(window_.clipboard);
        break;
      case 5:
        field.paste(window_.clipboard.empty() ? randomText() : window_.clipboard);
        break;
      case 6:
        field.undo();
        break;
      default:
        field.type(randomText().substr(0, 1));
        break;
    }
  }

  // Something queued that will run inside the next refresh.
  std::function<void()> queuedEvent() {
    return [this] {
      frmColor& form = window_.form;
      switch (between(0, 5)) {
        case 0:
          window_.tickSampler();
          break;
        case 1:
          if (window_.focusedField >= 0) userEdit(window_.focusedField);
          break;
        case 2:
          form.imgMatrix_MouseMove(1, 0, 10, 10);
          break;
        case 3: {
          const auto x = static_cast<float>(between(0, kLastPixel));
          const auto y = static_cast<float>(between(0, kLastPixel));
          form.imgMatrix_MouseDown(1, 0, x, y);
          form.imgMatrix_MouseUp(1, 0, x, y);
          break;
        }
        case 4:
          window_.focusField(between(0, kFieldCount - 1));
          break;
        default:
          window_.tabForward();
          break;
      }
    };
  }

  void checkInvariants() {
    const frmColor& form = window_.form;
    ASSERT_TRUE(form.dHue >= 0 && form.dHue <= kFullCircle) << form.dHue;
    ASSERT_TRUE(form.dSat >= 0 && form.dSat <= 1) << form.dSat;
    ASSERT_TRUE(form.dVal >= 0 && form.dVal <= 1) << form.dVal;
    ASSERT_EQ(convHSV2RGB(form.dHue, form.dSat, form.dVal),
              packRgb(form.iRed, form.iGreen, form.iBlue));
    ASSERT_EQ(form.lCurColor, static_cast<int32_t>(packRgb(form.iRed, form.iGreen, form.iBlue)));

    // Every field the program wrote last shows the colour; only text the
    // user left may differ, and only in the field handled last.
    int userFields = 0;
    for (int16_t index = 0; index < kFieldCount; ++index) {
      const fakes::FakeTextField& field = *window_.fields[static_cast<size_t>(index)];
      if (field.userText()) {
        ++userFields;
      } else {
        ASSERT_EQ(field.text(), fieldText(index, form)) << "field " << index;
      }
    }
    ASSERT_LE(userFields, 1);
    ASSERT_EQ(form.bInpFocus, window_.focusedField >= 0);

    // The arrows point at the strip row of the state, whichever road set them.
    ASSERT_EQ(window_.picture(layout::Control::imgArrowLeft).top(),
              window_.picture(layout::Control::imgArrowRight).top());
    const int stripTop = layout::findControl(layout::Control::imgVertical)->top;
    ASSERT_EQ(window_.picture(layout::Control::imgArrowLeft).top(),
              layout::arrowTop(stripTop, stripPosition(form.iDim, form)))
        << "dimension " << form.iDim;
    ASSERT_TRUE(form.iMatrixX >= 0 && form.iMatrixX <= kLastPixel);
    ASSERT_TRUE(form.iMatrixY >= 0 && form.iMatrixY <= kLastPixel);
    ASSERT_TRUE(window_.cmbQuality.listIndex() >= kHighQuality &&
                window_.cmbQuality.listIndex() <= kLowQuality);
    ASSERT_EQ(window_.registry.openHandleCount(), 0);
  }

  std::mt19937_64 random_;
  HeadlessWindow window_;
  int lastEvent_ = -1;
};

TEST(EventStorm, TheWindowStaysConsistentUnderRandomEvents) {
  const uint64_t events = environmentNumber("TINTWELL_STORM_EVENTS", 5000);
  const uint64_t firstSeed = environmentNumber("TINTWELL_STORM_SEED", 1);
  for (uint64_t seed = firstSeed; seed < firstSeed + 3; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    Storm storm(seed);
    storm.run(events);
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace tintwell
