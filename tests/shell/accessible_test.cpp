// What a screen reader is told: the texts are written out here as a reader
// would hear them, not as the table spells them.

#include "shell/accessible.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/mod_rigbox_common.h"

namespace tintwell::accessible {
namespace {

using layout::Control;
using layout::kNoGroupIndex;

struct NameRow {
  const char* label;
  Control id;
  int index;
  int16_t dimension;
  Role role;
  const char* english;
  const char* hungarian;
  const char* englishDescription = "";
  const char* hungarianDescription = "";
  const char* englishAction = "";
  const char* hungarianAction = "";
};

const NameRow kNames[] = {
    {"hue field", Control::txtInp, 0, kHue, Role::text, "Hue", "Árnyalat", "degrees, 0 to 360",
     "fok, 0–360"},
    {"saturation field", Control::txtInp, 1, kHue, Role::text, "Saturation", "Telítettség",
     "per cent, 0 to 100", "százalék, 0–100"},
    {"brightness field", Control::txtInp, 2, kHue, Role::text, "Brightness", "Fényerő",
     "per cent, 0 to 100", "százalék, 0–100"},
    {"red field", Control::txtInp, 3, kHue, Role::text, "Red", "Vörös", "0 to 255", "0–255"},
    {"green field", Control::txtInp, 4, kHue, Role::text, "Green", "Zöld", "0 to 255", "0–255"},
    {"blue field", Control::txtInp, 5, kHue, Role::text, "Blue", "Kék", "0 to 255", "0–255"},
    {"hex field", Control::txtInp, 6, kHue, Role::text, "Hex code", "Hexadecimális kód",
     "red, green, blue as six hexadecimal digits",
     "vörös, zöld, kék hat hexadecimális számjeggyel"},
    {"number field", Control::txtInp, 7, kHue, Role::text, "Color number", "Színszám",
     "red + 256 × green + 65536 × blue", "vörös + 256 × zöld + 65536 × kék"},
    {"hue option", Control::optDim, 0, kRed, Role::radioButton, "Hue", "Árnyalat", "", "", "Check",
     "Kijelölés"},
    {"brightness option", Control::optDim, 2, kHue, Role::radioButton, "Brightness", "Fényerő", "",
     "", "Check", "Kijelölés"},
    {"blue option", Control::optDim, 5, kHue, Role::radioButton, "Blue", "Kék", "", "", "Check",
     "Kijelölés"},
    {"quality list", Control::cmbQuality, kNoGroupIndex, kHue, Role::comboBox, "Render quality",
     "Rajzolási minőség"},
    {"swatch", Control::imgCurColor, kNoGroupIndex, kHue, Role::graphic, "Current color",
     "Aktuális szín", "", "", "Copy", "Másolás"},
    {"English flag", Control::imgLangENG, kNoGroupIndex, kHue, Role::pushButton, "English",
     "English", "", "", "Press", "Megnyomás"},
    {"Hungarian flag", Control::imgLangHUN, kNoGroupIndex, kHue, Role::pushButton, "Magyar",
     "Magyar", "", "", "Press", "Megnyomás"},
    {"home page", Control::lblHomepage, kNoGroupIndex, kHue, Role::link, "", "", "", "", "Jump",
     "Ugrás"},
    {"credit", Control::Label10, kNoGroupIndex, kHue, Role::staticText, "", ""},
    {"colour number unit", Control::Label1, kNoGroupIndex, kHue, Role::staticText, "", ""},
};

constexpr const char* kMatrixEnglish =
    "Arrow keys move the point, with Ctrl or Page Up and Page Down 16 steps; Home and End: left "
    "and right edge";
constexpr const char* kMatrixHungarian =
    "A nyílbillentyűk mozgatják a pontot, Ctrl-lal vagy Page Up és Page Down billentyűvel 16 "
    "lépéssel; Home és End: bal és jobb szél";
constexpr const char* kStripEnglish =
    "Up and Down arrows move one row, Page Up and Page Down 16 rows; Home and End: top and bottom";
constexpr const char* kStripHungarian =
    "A fel és le nyíl egy sort lép, a Page Up és Page Down 16 sort; Home és End: teteje és alja";

const NameRow kSurfaceNames[] = {
    {"field, hue mode", Control::imgMatrix, kNoGroupIndex, kHue, Role::slider,
     "Saturation and brightness", "Telítettség és fényerő", kMatrixEnglish, kMatrixHungarian},
    {"field, saturation mode", Control::imgMatrix, kNoGroupIndex, kSaturation, Role::slider,
     "Hue and brightness", "Árnyalat és fényerő", kMatrixEnglish, kMatrixHungarian},
    {"field, brightness mode", Control::imgMatrix, kNoGroupIndex, kBrightness, Role::slider,
     "Hue and saturation", "Árnyalat és telítettség", kMatrixEnglish, kMatrixHungarian},
    {"field, red mode", Control::imgMatrix, kNoGroupIndex, kRed, Role::slider, "Blue and green",
     "Kék és zöld", kMatrixEnglish, kMatrixHungarian},
    {"field, green mode", Control::imgMatrix, kNoGroupIndex, kGreen, Role::slider, "Blue and red",
     "Kék és vörös", kMatrixEnglish, kMatrixHungarian},
    {"field, blue mode", Control::imgMatrix, kNoGroupIndex, kBlue, Role::slider, "Red and green",
     "Vörös és zöld", kMatrixEnglish, kMatrixHungarian},
    {"strip, hue mode", Control::imgVertical, kNoGroupIndex, kHue, Role::slider, "Hue", "Árnyalat",
     kStripEnglish, kStripHungarian},
    {"strip, brightness mode", Control::imgVertical, kNoGroupIndex, kBrightness, Role::slider,
     "Brightness", "Fényerő", kStripEnglish, kStripHungarian},
    {"strip, green mode", Control::imgVertical, kNoGroupIndex, kGreen, Role::slider, "Green",
     "Zöld", kStripEnglish, kStripHungarian},
};

void expectNames(const NameRow& row) {
  SCOPED_TRACE(row.label);
  const AccessibleDesign* design = findAccessible(row.id, row.index);
  ASSERT_NE(design, nullptr);
  EXPECT_EQ(design->role, row.role);
  EXPECT_EQ(accessibleName(*design, row.dimension, kLanguageEnglish), row.english);
  EXPECT_EQ(accessibleName(*design, row.dimension, kLanguageHungarian), row.hungarian);
  EXPECT_EQ(textIn(design->description, kLanguageEnglish), row.englishDescription);
  EXPECT_EQ(textIn(design->description, kLanguageHungarian), row.hungarianDescription);
  EXPECT_EQ(textIn(design->defaultAction, kLanguageEnglish), row.englishAction);
  EXPECT_EQ(textIn(design->defaultAction, kLanguageHungarian), row.hungarianAction);
}

TEST(Accessible, NamesEveryControlInBothLanguages) {
  for (const NameRow& row : kNames) expectNames(row);
  for (const NameRow& row : kSurfaceNames) expectNames(row);
  for (const Control shown : {Control::lblTitle, Control::lblHomepage, Control::Label4}) {
    EXPECT_EQ(findAccessible(shown)->nameSource, NameSource::shownCaption);
  }
  for (const Control decoration : {Control::Image1, Control::Image2, Control::imgArrowLeft,
                                   Control::imgLangENG_hl, Control::Line1, Control::Shape1}) {
    EXPECT_EQ(findAccessible(decoration), nullptr);
  }
}

struct ValueRow {
  const char* label;
  ColorState color;
  int16_t dimension;
  int32_t language;
  const char* matrix;
  const char* strip;
  const char* swatch;
};

// Pure red as the window starts; the channel copies of the last row are
// left over from a half-typed field and must not show.
ColorState hsv(double hue, double saturation, double value, int16_t staleRed = 0) {
  ColorState color;
  color.dHue = hue;
  color.dSat = saturation;
  color.dVal = value;
  color.iRed = staleRed;
  return color;
}

const ValueRow kValues[] = {
    {"start-up, hue mode", hsv(360, 1, 1), kHue, kLanguageEnglish,
     "Saturation 100%, brightness 100%", "360°", "#ff0000"},
    {"start-up, in Hungarian", hsv(360, 1, 1), kHue, kLanguageHungarian,
     "Telítettség 100%, fényerő 100%", "360°", "#ff0000"},
    {"saturation mode", hsv(200, 0.5, 0.25), kSaturation, kLanguageEnglish,
     "Hue 200°, brightness 25%", "50%", "#203540"},
    {"brightness mode", hsv(120, 0.3, 0.9), kBrightness, kLanguageHungarian,
     "Árnyalat 120°, telítettség 30%", "90%", "#a1e6a1"},
    {"red mode", hsv(360, 1, 1), kRed, kLanguageEnglish, "Blue 0, green 0", "255", "#ff0000"},
    {"green mode", hsv(60, 1, 0.5), kGreen, kLanguageHungarian, "Kék 0, vörös 128", "128",
     "#808000"},
    {"blue mode, stale channels", hsv(240, 1, 1, 77), kBlue, kLanguageEnglish, "Red 0, green 0",
     "255", "#0000ff"},
};

TEST(Accessible, ValuesFollowTheColourAsTheFieldsWouldShowIt) {
  for (const ValueRow& row : kValues) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(matrixValue(row.color, row.dimension, row.language), row.matrix);
    EXPECT_EQ(stripValue(row.color, row.dimension), row.strip);
    EXPECT_EQ(swatchValue(row.color), row.swatch);
  }
}

// One reading of a few controls as the window would take it.
struct Moment {
  ColorState color;
  int16_t dimension;
  int32_t language;
  const char* typedHue;
  const char* qualityCaption;
};

std::vector<Facts> readingAt(const Moment& moment) {
  const std::pair<const AccessibleDesign*, Shown> controls[] = {
      {findAccessible(Control::txtInp, 0), {moment.typedHue}},
      {findAccessible(Control::optDim, 0), {"", moment.dimension == kHue}},
      {findAccessible(Control::optDim, 1), {"", moment.dimension == kSaturation}},
      {findAccessible(Control::imgMatrix), {}},
      {findAccessible(Control::imgVertical), {}},
      {findAccessible(Control::imgCurColor), {}},
      {findAccessible(Control::lblQuality), {moment.qualityCaption}},
  };
  std::vector<Facts> reading;
  for (const auto& [design, shown] : controls) {
    reading.push_back(factsOf(*design, moment.color, moment.dimension, moment.language, shown));
  }
  return reading;
}

constexpr size_t kHueField = 0;
constexpr size_t kHueOption = 1;
constexpr size_t kSaturationOption = 2;
constexpr size_t kMatrix = 3;
constexpr size_t kStrip = 4;
constexpr size_t kSwatch = 5;
constexpr size_t kQualityLabel = 6;

struct ChangeRow {
  const char* label;
  Moment after;
  std::vector<ChangeOf> changes;
};

const Moment kRed{hsv(360, 1, 1), kHue, kLanguageEnglish, "360", "Render quality:"};

TEST(Accessible, AReaderHearsWhatChangedOnceAndNothingElse) {
  const ChangeRow rows[] = {
      {"a tick over the same colour", kRed, {}},
      {"a half-typed hue: the field tells of its own text",
       {hsv(360, 1, 1), kHue, kLanguageEnglish, "36", "Render quality:"},
       {}},
      {"a new colour",
       {hsv(200, 1, 1), kHue, kLanguageEnglish, "200", "Render quality:"},
       {{kStrip, Change::value}, {kSwatch, Change::value}}},
      {"a new brightness",
       {hsv(360, 1, 0.5), kHue, kLanguageEnglish, "360", "Render quality:"},
       {{kMatrix, Change::value}, {kSwatch, Change::value}}},
      {"a new dimension",
       {hsv(360, 1, 1), kSaturation, kLanguageEnglish, "360", "Render quality:"},
       {{kHueOption, Change::state},
        {kSaturationOption, Change::state},
        {kMatrix, Change::name},
        {kMatrix, Change::value},
        {kStrip, Change::name},
        {kStrip, Change::value}}},
      {"a language switch",
       {hsv(360, 1, 1), kHue, kLanguageHungarian, "360", "Rajzolási minőség:"},
       {{kHueField, Change::name},
        {kHueField, Change::description},
        {kHueOption, Change::name},
        {kSaturationOption, Change::name},
        {kMatrix, Change::name},
        {kMatrix, Change::value},
        {kMatrix, Change::description},
        {kStrip, Change::name},
        {kStrip, Change::description},
        {kSwatch, Change::name},
        {kQualityLabel, Change::name}}},
  };
  const std::vector<Facts> before = readingAt(kRed);
  for (const ChangeRow& row : rows) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(changesBetween(before, readingAt(row.after)), row.changes);
  }
}

}  // namespace
}  // namespace tintwell::accessible
