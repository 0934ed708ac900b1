#include "shell/accessible.h"

#include <algorithm>
#include <array>

#include "core/mod_color.h"
#include "fields/field_texts.h"
#include "shell/mod_rigbox_common.h"

namespace tintwell::accessible {

namespace {

using layout::Control;
using layout::LanguageCaptions;

// A dimension as a name begins and as it follows another, and the unit its
// field's number takes.
struct DimensionWords {
  LanguageCaptions name;
  LanguageCaptions following;
  std::string_view unit;
};

constexpr std::array<DimensionWords, kDimensionCount> kDimensions{{
    {{"Hue", "\u00c1rnyalat"}, {"hue", "\u00e1rnyalat"}, "\u00b0"},
    {{"Saturation", "Tel\u00edtetts\u00e9g"}, {"saturation", "tel\u00edtetts\u00e9g"}, "%"},
    {{"Brightness", "F\u00e9nyer\u0151"}, {"brightness", "f\u00e9nyer\u0151"}, "%"},
    {{"Red", "V\u00f6r\u00f6s"}, {"red", "v\u00f6r\u00f6s"}, ""},
    {{"Green", "Z\u00f6ld"}, {"green", "z\u00f6ld"}, ""},
    {{"Blue", "K\u00e9k"}, {"blue", "k\u00e9k"}, ""},
}};

// The colour field's axes in each mode, horizontal first.
struct Axes {
  int16_t horizontal;
  int16_t vertical;
};
constexpr std::array<Axes, kDimensionCount> kMatrixAxes{{
    {kSaturation, kBrightness},
    {kHue, kBrightness},
    {kHue, kSaturation},
    {kBlue, kGreen},
    {kBlue, kRed},
    {kRed, kGreen},
}};

constexpr LanguageCaptions kAnd{" and ", " \u00e9s "};
constexpr LanguageCaptions kDegrees{"degrees, 0 to 360", "fok, 0\u2013360"};
constexpr LanguageCaptions kPerCent{"per cent, 0 to 100", "sz\u00e1zal\u00e9k, 0\u2013100"};
constexpr LanguageCaptions kChannel{"0 to 255", "0\u2013255"};
constexpr LanguageCaptions kCheck{"Check", "Kijel\u00f6l\u00e9s"};
constexpr LanguageCaptions kPress{"Press", "Megnyom\u00e1s"};

constexpr AccessibleDesign field(int index, LanguageCaptions description) {
  return {.id = Control::txtInp,
          .index = index,
          .role = Role::text,
          .name = kDimensions.at(static_cast<size_t>(index)).name,
          .description = description};
}

constexpr AccessibleDesign option(int index) {
  return {.id = Control::optDim,
          .index = index,
          .role = Role::radioButton,
          .name = kDimensions.at(static_cast<size_t>(index)).name,
          .defaultAction = kCheck};
}

constexpr AccessibleDesign staticText(Control id) {
  return {.id = id, .role = Role::staticText, .nameSource = NameSource::shownCaption};
}

constexpr std::array kAccessible{
    field(0, kDegrees),
    field(1, kPerCent),
    field(2, kPerCent),
    field(3, kChannel),
    field(4, kChannel),
    field(5, kChannel),
    AccessibleDesign{.id = Control::txtInp,
                     .index = 6,
                     .role = Role::text,
                     .name = {"Hex code", "Hexadecim\u00e1lis k\u00f3d"},
                     .description = {"red, green, blue as six hexadecimal digits",
                                     "v\u00f6r\u00f6s, z\u00f6ld, k\u00e9k hat "
                                     "hexadecim\u00e1lis sz\u00e1mjeggyel"}},
    AccessibleDesign{.id = Control::txtInp,
                     .index = 7,
                     .role = Role::text,
                     .name = {"Color number", "Sz\u00ednsz\u00e1m"},
                     .description = {"red + 256 \u00d7 green + 65536 \u00d7 blue",
                                     "v\u00f6r\u00f6s + 256 \u00d7 z\u00f6ld + 65536 "
                                     "\u00d7 k\u00e9k"}},
    option(0),
    option(1),
    option(2),
    option(3),
    option(4),
    option(5),
    AccessibleDesign{.id = Control::cmbQuality,
                     .role = Role::comboBox,
                     .name = {"Render quality", "Rajzol\u00e1si min\u0151s\u00e9g"}},
    AccessibleDesign{.id = Control::imgMatrix,
                     .role = Role::slider,
                     .nameSource = NameSource::matrixAxes,
                     .description = {"Arrow keys move the point, with Ctrl or Page Up and Page "
                                     "Down 16 steps; Home and End: left and right edge",
                                     "A ny\u00edlbillenty\u0171k mozgatj\u00e1k a pontot, "
                                     "Ctrl-lal vagy Page Up \u00e9s Page Down "
                                     "billenty\u0171vel 16 l\u00e9p\u00e9ssel; Home \u00e9s "
                                     "End: bal \u00e9s jobb sz\u00e9l"}},
    AccessibleDesign{.id = Control::imgVertical,
                     .role = Role::slider,
                     .nameSource = NameSource::dimension,
                     .description = {"Up and Down arrows move one row, Page Up and Page Down "
                                     "16 rows; Home and End: top and bottom",
                                     "A fel \u00e9s le ny\u00edl egy sort l\u00e9p, a Page Up "
                                     "\u00e9s Page Down 16 sort; Home \u00e9s End: teteje "
                                     "\u00e9s alja"}},
    AccessibleDesign{.id = Control::imgCurColor,
                     .role = Role::graphic,
                     .name = {"Current color", "Aktu\u00e1lis sz\u00edn"},
                     .defaultAction = {"Copy", "M\u00e1sol\u00e1s"}},
    AccessibleDesign{.id = Control::imgLangENG,
                     .role = Role::pushButton,
                     .name = {"English", "English"},
                     .defaultAction = kPress},
    AccessibleDesign{.id = Control::imgLangHUN,
                     .role = Role::pushButton,
                     .name = {"Magyar", "Magyar"},
                     .defaultAction = kPress},
    AccessibleDesign{.id = Control::lblHomepage,
                     .role = Role::link,
                     .nameSource = NameSource::shownCaption,
                     .defaultAction = {"Jump", "Ugr\u00e1s"}},
    staticText(Control::lblTitle),
    staticText(Control::Label10),
    staticText(Control::lblVersion),
    staticText(Control::lblQuality),
    staticText(Control::lblTintwell),
    staticText(Control::Label4),
    staticText(Control::Label5),
    staticText(Control::Label6),
    staticText(Control::Label11),
    staticText(Control::Label1),
};

const DimensionWords& wordsOf(int16_t dimension) {
  return kDimensions.at(static_cast<size_t>(std::clamp<int>(dimension, kHue, kBlue)));
}

const Axes& axesOf(int16_t dimension) {
  return kMatrixAxes.at(static_cast<size_t>(std::clamp<int>(dimension, kHue, kBlue)));
}

// The channels as the refresh derives them from the HSV state, whatever a
// half-finished edit left in the copies.
ColorState asRefreshed(const ColorState& color) {
  ColorState refreshed = color;
  const PackedColor packed = convHSV2RGB(color.dHue, color.dSat, color.dVal);
  refreshed.iRed = static_cast<int16_t>(redOf(packed));
  refreshed.iGreen = static_cast<int16_t>(greenOf(packed));
  refreshed.iBlue = static_cast<int16_t>(blueOf(packed));
  return refreshed;
}

std::string shownWithUnit(const ColorState& refreshed, int16_t dimension) {
  return fieldText(dimension, refreshed).append(wordsOf(dimension).unit);
}

}  // namespace

const AccessibleDesign* findAccessible(Control id, int index) {
  const auto found = std::find_if(kAccessible.begin(), kAccessible.end(), [&](const auto& row) {
    return row.id == id && row.index == index;
  });
  return found == kAccessible.end() ? nullptr : &*found;
}

std::span<const AccessibleDesign> exposedControls() {
  return kAccessible;
}

bool isWindowless(const AccessibleDesign& design) {
  const layout::ControlDesign* control = layout::findControl(design.id, design.index);
  return control == nullptr || !layout::isWindowed(control->kind);
}

std::string_view textIn(const LanguageCaptions& texts, int32_t language) {
  return language != kLanguageHungarian ? texts.english : texts.hungarian;
}

std::string accessibleName(const AccessibleDesign& design, int16_t dimension, int32_t language) {
  switch (design.nameSource) {
    case NameSource::dimension:
      return std::string(textIn(wordsOf(dimension).name, language));
    case NameSource::matrixAxes: {
      const Axes& axes = axesOf(dimension);
      return std::string(textIn(wordsOf(axes.horizontal).name, language))
          .append(textIn(kAnd, language))
          .append(textIn(wordsOf(axes.vertical).following, language));
    }
    case NameSource::fixed:
    case NameSource::shownCaption:
      break;
  }
  return std::string(textIn(design.name, language));
}

std::string matrixValue(const ColorState& color, int16_t dimension, int32_t language) {
  const ColorState refreshed = asRefreshed(color);
  const Axes& axes = axesOf(dimension);
  return std::string(textIn(wordsOf(axes.horizontal).name, language))
      .append(" ")
      .append(shownWithUnit(refreshed, axes.horizontal))
      .append(", ")
      .append(textIn(wordsOf(axes.vertical).following, language))
      .append(" ")
      .append(shownWithUnit(refreshed, axes.vertical));
}

std::string stripValue(const ColorState& color, int16_t dimension) {
  return shownWithUnit(asRefreshed(color),
                       static_cast<int16_t>(std::clamp<int>(dimension, kHue, kBlue)));
}

std::string swatchValue(const ColorState& color) {
  std::string value = "#";
  value += fieldText(kHexField, asRefreshed(color));
  return value;
}

Facts factsOf(const AccessibleDesign& design, const ColorState& color, int16_t dimension,
              int32_t language, const Shown& shown) {
  Facts facts{.role = design.role,
              .name = design.nameSource == NameSource::shownCaption
                          ? shown.text
                          : accessibleName(design, dimension, language),
              .value = {},
              .description = textIn(design.description, language),
              .defaultAction = textIn(design.defaultAction, language),
              .checked = shown.checked};
  switch (design.id) {
    case Control::txtInp:
    case Control::cmbQuality:
      facts.value = shown.text;
      break;
    case Control::imgMatrix:
      facts.value = matrixValue(color, dimension, language);
      break;
    case Control::imgVertical:
      facts.value = stripValue(color, dimension);
      break;
    case Control::imgCurColor:
      facts.value = swatchValue(color);
      break;
    default:
      break;
  }
  return facts;
}

std::vector<ChangeOf> changesBetween(std::span<const Facts> before, std::span<const Facts> after) {
  std::vector<ChangeOf> changes;
  const size_t count = std::min(before.size(), after.size());
  for (size_t control = 0; control < count; ++control) {
    const Facts& was = before[control];
    const Facts& is = after[control];
    if (was.name != is.name) changes.push_back({control, Change::name});
    if (was.value != is.value && is.role != Role::text) changes.push_back({control, Change::value});
    if (was.description != is.description) changes.push_back({control, Change::description});
    if (was.checked != is.checked) changes.push_back({control, Change::state});
  }
  return changes;
}

}  // namespace tintwell::accessible
