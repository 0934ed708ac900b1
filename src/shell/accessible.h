#pragma once

// What a screen reader is told about each control, in both languages: its
// role, name, description and default action, keyed by the control's
// identity; and the values of the colour field, the strip and the swatch,
// built from the colour state as the fields would show it after a refresh.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/color_state.h"
#include "shell/layout.h"

namespace tintwell::accessible {

enum class Role {
  text,
  radioButton,
  comboBox,
  slider,
  graphic,
  pushButton,
  link,
  staticText,
};

// Where a control's name comes from.
enum class NameSource {
  fixed,         // the name texts of its row
  dimension,     // the selected dimension's name (the strip)
  matrixAxes,    // the matrix's two dimensions (the colour field)
  shownCaption,  // the caption as the window shows it
};

struct AccessibleDesign {
  layout::Control id = layout::Control::Shape1;
  int index = layout::kNoGroupIndex;
  Role role = Role::staticText;
  NameSource nameSource = NameSource::fixed;
  layout::LanguageCaptions name = {};
  layout::LanguageCaptions description = {};
  layout::LanguageCaptions defaultAction = {};
};

// The row of a control that is exposed; nullptr for the decorations.
const AccessibleDesign* findAccessible(layout::Control id, int index = layout::kNoGroupIndex);
// Every exposed control: the windowed ones, then the windowless ones in the
// order the window's own object lists them.
std::span<const AccessibleDesign> exposedControls();
bool isWindowless(const AccessibleDesign& design);

// A text of a row in a language code (0 Hungarian, anything else English).
std::string_view textIn(const layout::LanguageCaptions& texts, int32_t language);

// The name of a control that is not named by its caption; the strip and the
// colour field are named after the selected dimension.
std::string accessibleName(const AccessibleDesign& design, int16_t dimension, int32_t language);

// "Saturation 100%, brightness 100%": the colour field's two dimensions with
// the values their fields would show.
std::string matrixValue(const ColorState& color, int16_t dimension, int32_t language);
// "360°", "100%", "255": the strip's dimension as its field would show it.
std::string stripValue(const ColorState& color, int16_t dimension);
// "#ff0000".
std::string swatchValue(const ColorState& color);

// What the window shows of a control that a reader reads as it stands: a
// field's or the list's text, a caption, an option's check.
struct Shown {
  std::string text;
  bool checked = false;
};

// What a screen reader reads of one control now.
struct Facts {
  Role role = Role::staticText;
  std::string name;
  std::string value;
  // Views of the row's own texts: a reading at every handler's end copies none.
  std::string_view description;
  std::string_view defaultAction;
  bool checked = false;
  bool operator==(const Facts&) const = default;
};

Facts factsOf(const AccessibleDesign& design, const ColorState& color, int16_t dimension,
              int32_t language, const Shown& shown);

enum class Change { name, value, description, state };
struct ChangeOf {
  size_t control;  // index into the readings
  Change change;
  bool operator==(const ChangeOf&) const = default;
};

// What a reader is told between two readings of the same controls, in their
// order. A value field announces its own text, so its value is left out.
std::vector<ChangeOf> changesBetween(std::span<const Facts> before, std::span<const Facts> after);

}  // namespace tintwell::accessible
