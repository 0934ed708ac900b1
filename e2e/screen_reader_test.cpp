// The window as a screen reader reads it from another process: every
// control's role, name, value and default action in both languages, and the
// events that tell the reader what changed, each once.

#include "screen_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "environment.h"
#include "expected_pixels.h"
#include "held_input.h"
#include "input.h"
#include "registry.h"
#include "session.h"
#include "shell/accessible.h"
#include "shell/maker.h"
#include "shell/version.h"
#include "shell_recorder.h"
#include "win32/accessible_object.h"

namespace tintwell::e2e {
namespace {

using layout::Control;
using testing::UnorderedElementsAreArray;

struct ReadRow {
  Control id;
  int index;
  LONG role;
  const char* english;
  const char* hungarian;
  const char* startValue = "";
  const char* englishAction = "";
  const char* hungarianAction = "";
};

// As the window starts: pure red, hue mode, high quality.
const ReadRow kRead[] = {
    {Control::txtInp, 0, ROLE_SYSTEM_TEXT, "Hue", "Árnyalat", "360"},
    {Control::txtInp, 1, ROLE_SYSTEM_TEXT, "Saturation", "Telítettség", "100"},
    {Control::txtInp, 2, ROLE_SYSTEM_TEXT, "Brightness", "Fényerő", "100"},
    {Control::txtInp, 3, ROLE_SYSTEM_TEXT, "Red", "Vörös", "255"},
    {Control::txtInp, 4, ROLE_SYSTEM_TEXT, "Green", "Zöld", "0"},
    {Control::txtInp, 5, ROLE_SYSTEM_TEXT, "Blue", "Kék", "0"},
    {Control::txtInp, 6, ROLE_SYSTEM_TEXT, "Hex code", "Hexadecimális kód", "ff0000"},
    {Control::txtInp, 7, ROLE_SYSTEM_TEXT, "Color number", "Színszám", "255"},
    {Control::optDim, 0, ROLE_SYSTEM_RADIOBUTTON, "Hue", "Árnyalat", "", "Check", "Kijelölés"},
    {Control::optDim, 1, ROLE_SYSTEM_RADIOBUTTON, "Saturation", "Telítettség", "", "Check",
     "Kijelölés"},
    {Control::optDim, 2, ROLE_SYSTEM_RADIOBUTTON, "Brightness", "Fényerő", "", "Check",
     "Kijelölés"},
    {Control::optDim, 3, ROLE_SYSTEM_RADIOBUTTON, "Red", "Vörös", "", "Check", "Kijelölés"},
    {Control::optDim, 4, ROLE_SYSTEM_RADIOBUTTON, "Green", "Zöld", "", "Check", "Kijelölés"},
    {Control::optDim, 5, ROLE_SYSTEM_RADIOBUTTON, "Blue", "Kék", "", "Check", "Kijelölés"},
    {Control::cmbQuality, -1, ROLE_SYSTEM_COMBOBOX, "Render quality", "Rajzolási minőség", "High"},
    {Control::imgMatrix, -1, ROLE_SYSTEM_SLIDER, "Saturation and brightness",
     "Telítettség és fényerő", "Saturation 100%, brightness 100%"},
    {Control::imgVertical, -1, ROLE_SYSTEM_SLIDER, "Hue", "Árnyalat", "360°"},
    {Control::imgCurColor, -1, ROLE_SYSTEM_GRAPHIC, "Current color", "Aktuális szín", "#ff0000",
     "Copy", "Másolás"},
    {Control::imgLangENG, -1, ROLE_SYSTEM_PUSHBUTTON, "English", "English", "", "Press",
     "Megnyomás"},
    {Control::imgLangHUN, -1, ROLE_SYSTEM_PUSHBUTTON, "Magyar", "Magyar", "", "Press", "Megnyomás"},
    {Control::lblHomepage, -1, ROLE_SYSTEM_LINK, "quenlark.example", "quenlark.example", "", "Jump",
     "Ugrás"},
    {Control::lblTitle, -1, ROLE_SYSTEM_STATICTEXT, "Tintwell", "Tintwell"},
    {Control::lblVersion, -1, ROLE_SYSTEM_STATICTEXT, "", ""},  // the version, in both
    {Control::Label10, -1, ROLE_SYSTEM_STATICTEXT, "Quenlark 2026", "Quenlark 2026"},
    {Control::lblQuality, -1, ROLE_SYSTEM_STATICTEXT, "Render quality:", "Rajzolási minőség:"},
    {Control::lblTintwell, -1, ROLE_SYSTEM_STATICTEXT,
     "press or hold SHIFT key to get color from below the cursor",
     "a SHIFT gomb nyomvatartása mellett vehető színminta a képernyő bármely pontjáról"},
    {Control::Label4, -1, ROLE_SYSTEM_STATICTEXT, "°", "°"},
    {Control::Label5, -1, ROLE_SYSTEM_STATICTEXT, "%", "%"},
    {Control::Label6, -1, ROLE_SYSTEM_STATICTEXT, "%", "%"},
    {Control::Label11, -1, ROLE_SYSTEM_STATICTEXT, "#", "#"},
    {Control::Label1, -1, ROLE_SYSTEM_STATICTEXT, "BGR", "BGR"},
};

std::string nameIn(const ReadRow& row, bool hungarian) {
  if (row.id == Control::lblVersion) return versionText();
  return hungarian ? row.hungarian : row.english;
}

const ReadRow& rowOf(const accessible::AccessibleDesign& design) {
  const auto found = std::find_if(std::begin(kRead), std::end(kRead), [&](const ReadRow& row) {
    return row.id == design.id && row.index == design.index;
  });
  if (found == std::end(kRead)) throw std::logic_error("a control the table does not read");
  return *found;
}

// The client object's children in the order it lists them: the windowed
// controls in tab order, then the windowless ones.
std::vector<const accessible::AccessibleDesign*> childOrder() {
  std::vector<const accessible::AccessibleDesign*> order;
  for (const layout::ControlDesign* control : layout::windowedControls()) {
    order.push_back(accessible::findAccessible(control->id, control->index));
  }
  for (const accessible::AccessibleDesign& design : accessible::exposedControls()) {
    if (accessible::isWindowless(design)) order.push_back(&design);
  }
  return order;
}

class ScreenReaderTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    std::optional<ReaderObject> form = ReaderObject::ofWindow(app_.window());
    ASSERT_TRUE(form) << "no object for the window's client area";
    children_ = form->children();
    ASSERT_EQ(children_.size(), childOrder().size());
  }

  const ReaderObject& child(Control id, int index = layout::kNoGroupIndex) const {
    const auto order = childOrder();
    for (size_t position = 0; position < order.size(); ++position) {
      if (order.at(position)->id == id && order.at(position)->index == index) {
        return children_.at(position);
      }
    }
    throw std::logic_error("no such child");
  }

  HWND windowOf(Control id, int index = layout::kNoGroupIndex) const {
    return control(layout::findControl(id, index)->controlId);
  }

  // Every child's name in the language, as a reader reads them now.
  bool namesAreIn(bool hungarian) const {
    const auto order = childOrder();
    for (size_t position = 0; position < order.size(); ++position) {
      const ReadRow& row = rowOf(*order.at(position));
      if (children_.at(position).read().name != nameIn(row, hungarian)) {
        return false;
      }
    }
    return true;
  }

  DWORD processId() const {
    DWORD id = 0;
    GetWindowThreadProcessId(app_.window(), &id);
    return id;
  }

  ComApartment com_;
  std::vector<ReaderObject> children_;
};

TEST_F(ScreenReaderTest, ReadsEveryControlInBothLanguages) {
  const auto order = childOrder();
  for (size_t position = 0; position < order.size(); ++position) {
    const ReadRow& row = rowOf(*order.at(position));
    SCOPED_TRACE(row.english);
    const ReaderObject& object = children_.at(position);
    const Reading reading = object.read();
    EXPECT_EQ(object.isElement(), accessible::isWindowless(*order.at(position)));
    EXPECT_EQ(reading.role, row.role);
    EXPECT_EQ(reading.name, nameIn(row, false));
    EXPECT_EQ(reading.value, row.startValue);
    EXPECT_EQ(reading.defaultAction, row.englishAction);
    EXPECT_EQ((reading.state & STATE_SYSTEM_CHECKED) != 0,
              row.id == Control::optDim && row.index == 0);
    if (object.isElement()) {
      // On the screen where the window paints it: a flag at its designed
      // place, a label where its text fits.
      const layout::ControlDesign& design = *layout::findControl(row.id);
      const POINT topLeft = app_.toScreen({design.left, design.top});
      const POINT clientEnd = app_.toScreen({layout::kClientWidth, layout::kClientHeight});
      if (row.role == ROLE_SYSTEM_PUSHBUTTON) {
        const RECT flag{topLeft.x, topLeft.y, topLeft.x + design.width, topLeft.y + design.height};
        EXPECT_TRUE(EqualRect(&reading.place, &flag));
      }
      EXPECT_EQ(reading.place.top, topLeft.y);
      EXPECT_GE(reading.place.left, app_.toScreen({0, 0}).x);
      EXPECT_LT(reading.place.left, reading.place.right);
      EXPECT_LE(reading.place.right, clientEnd.x);
    }
  }
  EXPECT_EQ(child(Control::txtInp, 7).read().description, "red + 256 × green + 65536 × blue");

  EventListener listener(processId());
  ASSERT_TRUE(child(Control::imgLangHUN).doDefaultAction());
  EXPECT_TRUE(waitUntil([&] { return namesAreIn(true); }, kReactionLimit));
  const std::vector<Heard> switched = listener.listen(std::chrono::milliseconds(500));
  const HWND form = app_.window();
  const LONG qualityLabel =
      win32::windowlessChildId(*accessible::findAccessible(Control::lblQuality));
  for (const Heard& expected : {
           Heard{EVENT_OBJECT_NAMECHANGE, field(0), OBJID_CLIENT, CHILDID_SELF},
           Heard{EVENT_OBJECT_DESCRIPTIONCHANGE, field(0), OBJID_CLIENT, CHILDID_SELF},
           Heard{EVENT_OBJECT_NAMECHANGE, form, OBJID_CLIENT, qualityLabel},
       }) {
    EXPECT_EQ(std::count(switched.begin(), switched.end(), expected), 1) << expected.event;
  }
  const LONG englishFlag =
      win32::windowlessChildId(*accessible::findAccessible(Control::imgLangENG));
  EXPECT_EQ(std::count(switched.begin(), switched.end(),
                       Heard{EVENT_OBJECT_NAMECHANGE, form, OBJID_CLIENT, englishFlag}),
            0)
      << "a name that stays is not told again";
  const std::optional<StoredValue> stored = readUserValue(kMakerKey, kLanguageValue);
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->bytes, (std::vector<uint8_t>{0, 0}))
      << "Hungarian, stored as a click stores it";
  EXPECT_EQ(child(Control::txtInp, 7).read().description, "vörös + 256 × zöld + 65536 × kék");
  EXPECT_EQ(child(Control::imgLangENG).read().defaultAction, "Megnyomás");
  EXPECT_EQ(child(Control::cmbQuality).read().value, "Magas");

  ASSERT_TRUE(child(Control::imgLangENG).doDefaultAction());
  EXPECT_TRUE(waitUntil([&] { return namesAreIn(false); }, kReactionLimit));
}

TEST_F(ScreenReaderTest, HearsEachChangeOnceAndNoneWhileTheColourStays) {
  EventListener listener(processId());
  ASSERT_TRUE(listener.hooked());
  const HWND matrix = windowOf(Control::imgMatrix);
  const HWND strip = windowOf(Control::imgVertical);
  const HWND swatch = windowOf(Control::imgCurColor);

  // A new dimension: both options' states, and the surfaces' names and values.
  ASSERT_TRUE(child(Control::optDim, 1).doDefaultAction());
  EXPECT_TRUE(waitUntil(
      [&] { return (child(Control::optDim, 1).read().state & STATE_SYSTEM_CHECKED) != 0; },
      kReactionLimit));
  const std::vector<Heard> dimension = listener.listen(std::chrono::milliseconds(1500));
  EXPECT_THAT(
      dimension,
      UnorderedElementsAreArray(std::vector<Heard>{
          {EVENT_OBJECT_STATECHANGE, windowOf(Control::optDim, 0), OBJID_CLIENT, CHILDID_SELF},
          {EVENT_OBJECT_STATECHANGE, windowOf(Control::optDim, 1), OBJID_CLIENT, CHILDID_SELF},
          {EVENT_OBJECT_NAMECHANGE, matrix, OBJID_CLIENT, CHILDID_SELF},
          {EVENT_OBJECT_VALUECHANGE, matrix, OBJID_CLIENT, CHILDID_SELF},
          {EVENT_OBJECT_NAMECHANGE, strip, OBJID_CLIENT, CHILDID_SELF},
          {EVENT_OBJECT_VALUECHANGE, strip, OBJID_CLIENT, CHILDID_SELF},
      }));
  EXPECT_EQ(child(Control::imgMatrix).read().name, "Hue and brightness");
  EXPECT_EQ(child(Control::imgMatrix).read().value, "Hue 360°, brightness 100%");
  EXPECT_EQ(child(Control::imgVertical).read().value, "100%");
  EXPECT_EQ(child(Control::optDim, 0).read().state & STATE_SYSTEM_CHECKED, 0);

  // A keystroke in a field: the field's own text as it stands, the colour's
  // values as the fields would show it.
  clearField(field(4));
  typeText("128");
  ASSERT_TRUE(fieldReads(6, "ff8000"));
  EXPECT_EQ(child(Control::txtInp, 4).read().value, "128");
  EXPECT_EQ(child(Control::imgCurColor).read().value, "#ff8000");
  EXPECT_EQ(child(Control::imgVertical).read().value, "100%");
  const std::vector<Heard> typed = listener.listen(std::chrono::milliseconds(500));
  EXPECT_NE(std::count(typed.begin(), typed.end(),
                       Heard{EVENT_OBJECT_VALUECHANGE, swatch, OBJID_CLIENT, CHILDID_SELF}),
            0);

  // A pick on the colour field: its value says what the fields say.
  const DrawingArea area = drawingArea(Control::imgMatrix);
  ASSERT_TRUE(click(app_.toScreen({area.left + 200, area.top + 100})));
  ASSERT_TRUE(waitUntil([&] { return fieldTexts()[2] != "100"; }, kReactionLimit));
  const FieldTexts picked = fieldTexts();
  EXPECT_EQ(child(Control::imgMatrix).read().value,
            "Hue " + picked[0] + "°, brightness " + picked[2] + "%");
  EXPECT_EQ(child(Control::imgCurColor).read().value, "#" + picked[6]);
  listener.listen(std::chrono::milliseconds(300));  // the pick's own events

  // Sampling one colour for a second: one change as it arrives, then none
  // however many ticks read it again.
  ASSERT_TRUE(movePointer(app_.toScreen(kOnTheWhiteBand)));
  {
    HeldKey shift(VK_SHIFT);
    ASSERT_TRUE(waitUntil([&] { return fieldTexts()[6] == "ffffff"; }, kReactionLimit))
        << fieldTexts()[6];
    const std::vector<Heard> sampled = listener.listen(std::chrono::milliseconds(1500));
    EXPECT_LE(std::count(sampled.begin(), sampled.end(),
                         Heard{EVENT_OBJECT_VALUECHANGE, swatch, OBJID_CLIENT, CHILDID_SELF}),
              1);
  }
  EXPECT_EQ(child(Control::imgCurColor).read().value, "#ffffff");
  EXPECT_EQ(child(Control::imgMatrix).read().value, "Hue " + picked[0] + "°, brightness 100%")
      << "white keeps the hue";
}

TEST_F(ScreenReaderTest, DefaultActionsDoWhatAClickDoes) {
  ASSERT_TRUE(child(Control::optDim, 3).doDefaultAction());
  EXPECT_TRUE(waitUntil([&] { return child(Control::imgMatrix).read().name == "Blue and green"; },
                        kReactionLimit));
  EXPECT_EQ(query(option(3), BM_GETCHECK), BST_CHECKED);
  EXPECT_EQ(query(option(0), BM_GETCHECK), BST_UNCHECKED);

  const ShellOpenRecorder recorder;
  if (!recorder.active()) GTEST_SKIP() << "needs Wine's browser setting to record the address";
  ASSERT_TRUE(child(Control::lblHomepage).doDefaultAction());
  ASSERT_TRUE(recorder.waitForAddress(kReactionLimit)) << "the shell opened nothing";
  EXPECT_EQ(recorder.addresses(), std::vector<std::string>{kHomepageAddress});
}

}  // namespace
}  // namespace tintwell::e2e
