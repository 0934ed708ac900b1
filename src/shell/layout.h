#pragma once

// The main window as designed: one row per control says all there is to it
// (place, size, tab index, captions, font, colours, the handlers its pointer
// events run), the windowless ones in painting order; then the timers. The
// Win32 adapter builds the window from this table, the headless window and
// the end-to-end tests find the controls by the same identifiers.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/packed_color.h"
#include "core/vocabulary.h"
#include "shell/display_scale.h"

namespace tintwell {
class frmColor;
}

namespace tintwell::layout {

// Every control, named as the window names it; a group (fields, options) is
// one name with an index per member.
enum class Control : uint8_t {
  Shape1,
  Line1,
  Line2,
  Line3,
  lblTitle,
  Label10,
  lblVersion,
  lblHomepage,
  lblQuality,
  lblTintwell,
  Label1,
  Label4,
  Label5,
  Label6,
  Label11,
  Image1,
  Image2,
  imgLangENG,
  imgLangHUN,
  imgLangENG_hl,
  imgLangHUN_hl,
  imgArrowLeft,
  imgArrowRight,
  imgMatrix,
  imgVertical,
  imgCurColor,
  txtInp,
  optDim,
  cmbQuality,
};

// The window.
inline constexpr std::string_view kWindowClassName = "TintwellMainWindow";
inline constexpr std::string_view kSurfaceClassName = "TintwellSurface";
inline constexpr std::string_view kInitialCaption = "Form1";
inline constexpr int kClientWidth = 438;
inline constexpr int kClientHeight = 426;

// Control IDs of the windowed controls; windowless ones have none.
inline constexpr int kNoControlId = 0;
inline constexpr int kTxtInpIdBase = 1000;
inline constexpr int kOptDimIdBase = 1100;
inline constexpr int kCmbQualityId = 1200;
inline constexpr int kImgMatrixId = 1300;
inline constexpr int kImgVerticalId = 1301;
inline constexpr int kImgCurColorId = 1302;
constexpr int txtInpId(int index) {
  return kTxtInpIdBase + index;
}
constexpr int optDimId(int index) {
  return kOptDimIdBase + index;
}

inline constexpr int kNoGroupIndex = -1;
inline constexpr int kNoTabIndex = -1;
inline constexpr int kNoMaxLength = 0;

enum class ControlKind {
  shape,         // filled rectangle, windowless
  line,          // one pixel high, windowless
  label,         // windowless
  picture,       // windowless
  surface,       // windowed drawing surface with a persistent image
  textField,     // windowed single-line edit
  optionButton,  // windowed, one group
  dropDownList,  // windowed, pick only
};

constexpr bool isWindowed(ControlKind kind) {
  return kind == ControlKind::surface || kind == ControlKind::textField ||
         kind == ControlKind::optionButton || kind == ControlKind::dropDownList;
}

// Colours are either fixed or the system colour of a role, read when painted.
enum class ColorRole {
  fixed,
  buttonFace,
  buttonText,
  buttonShadow,
  window,
};
struct ColorDesign {
  ColorRole role = ColorRole::fixed;
  PackedColor rgb = 0;
};
inline constexpr ColorDesign kButtonFace{ColorRole::buttonFace, 0};
inline constexpr ColorDesign kButtonText{ColorRole::buttonText, 0};
inline constexpr ColorDesign kButtonShadow{ColorRole::buttonShadow, 0};
inline constexpr ColorDesign kSystemWindow{ColorRole::window, 0};
inline constexpr ColorDesign kWhite{ColorRole::fixed, packRgb(255, 255, 255)};
inline constexpr ColorDesign kSilver{ColorRole::fixed, packRgb(192, 192, 192)};

enum class FontFace {
  defaultGui,  // the platform's default dialog font at its default size
  arial,
  georgia,
};
inline constexpr int kCentralEuropeanCharset = 238;
inline constexpr int kWesternCharset = 0;
inline constexpr int kPointsPerInch = 72;
inline constexpr int kRegularSize = 825;  // hundredths of a point
inline constexpr int kCreditSize = 975;
inline constexpr int kTitleSize = 1575;
struct FontDesign {
  FontFace face = FontFace::arial;
  int hundredthsOfPoint = kRegularSize;
  bool bold = false;
  int charset = kCentralEuropeanCharset;
};
// Character height in pixels at a display's dots per inch, nearest.
constexpr int fontPixelHeight(const FontDesign& font, int dotsPerInch = kDesignDpi) {
  constexpr int kHundred = 100;
  const int scaled = font.hundredthsOfPoint * dotsPerInch;
  const int divisor = kPointsPerInch * kHundred;
  return (scaled + divisor / 2) / divisor;
}
inline constexpr FontDesign kDefaultFont{FontFace::defaultGui, 0, false, kWesternCharset};
inline constexpr FontDesign kArial{};
inline constexpr FontDesign kArialBold{FontFace::arial, kRegularSize, true,
                                       kCentralEuropeanCharset};
inline constexpr FontDesign kArialWestern{FontFace::arial, kRegularSize, false, kWesternCharset};
inline constexpr FontDesign kArialBigBold{FontFace::arial, kCreditSize, true,
                                          kCentralEuropeanCharset};
inline constexpr FontDesign kGeorgiaTitle{FontFace::georgia, kTitleSize, false,
                                          kCentralEuropeanCharset};

enum class Alignment { left, right };

// The stored pictures.
enum class Art {
  none,
  flagEnglish,
  flagHungarian,
  flagEnglishPale,
  flagHungarianPale,
  arrowLeft,   // points right, sits left of the strip
  arrowRight,  // points left, sits right of the strip
  eyedropper,
  makerLogo,
};

enum class Pointer { arrow, ring };

// The unit a surface reports its inner size in.
enum class ScaleUnit { pixels, twips };

// A handler of frmColor that a pointer event on a windowless control runs,
// and one that a button or move on a surface runs.
using PointerHandler = void (frmColor::*)();
using SurfaceHandler = void (frmColor::*)(int16_t button, int16_t shift, float x, float y);
// A handler of frmColor that a key on a focused surface runs.
using KeyHandler = void (frmColor::*)(int16_t& keyCode, int16_t shift);

// What a label says in each language, where it follows the language.
struct LanguageCaptions {
  std::string_view english = {};
  std::string_view hungarian = {};
};

struct ControlDesign {
  Control id = Control::Shape1;
  std::string_view name = {};
  int index = kNoGroupIndex;  // member index within a control group
  ControlKind kind = ControlKind::label;
  int left = 0;  // lines: the left end; they are one pixel high
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = kNoTabIndex;
  std::string_view caption = {};
  FontDesign font = kArial;
  ColorDesign foreColor = kButtonText;
  ColorDesign backColor = kButtonFace;  // shapes and lines: their one colour
  Alignment alignment = Alignment::left;
  bool autoSize = false;  // labels that size themselves to their text
  int maxLength = kNoMaxLength;
  int controlId = kNoControlId;
  Art art = Art::none;
  Pointer pointer = Pointer::arrow;
  ScaleUnit scaleUnit = ScaleUnit::pixels;
  bool checked = false;  // the option selected at creation
  LanguageCaptions captions = {};
  PointerHandler onMove = nullptr;
  PointerHandler onClick = nullptr;
  SurfaceHandler onMouseDown = nullptr;
  SurfaceHandler onMouseMove = nullptr;
  SurfaceHandler onMouseUp = nullptr;
  KeyHandler onKeyDown = nullptr;
};

// A control's place as edges, and a surface's drawing area inside its border.
constexpr Box outerBox(const ControlDesign& design) {
  return {design.left, design.top, design.left + design.width, design.top + design.height};
}
constexpr Box innerBox(const ControlDesign& design) {
  const Box outer = outerBox(design);
  return {outer.left + kSurfaceBorder, outer.top + kSurfaceBorder, outer.right - kSurfaceBorder,
          outer.bottom - kSurfaceBorder};
}

// The strip's arrows point with their middle row: their top edge in the
// window when they point at a row of a strip whose outer top is stripTop.
inline constexpr int kArrowHeight = 9;
constexpr int arrowTop(int stripTop, int row) {
  return stripTop + kSurfaceBorder + row - kArrowHeight / 2;
}

// Every control of the window: the windowed ones, then the windowless ones
// back to front.
std::span<const ControlDesign> controls();
// The windowed controls, in tab order (the order they are created in).
std::span<const ControlDesign* const> windowedControls();
// The windowless controls, back to front.
std::span<const ControlDesign* const> paintingOrder();
// The control and group index; nullptr when there is none.
const ControlDesign* findControl(Control id, int index = kNoGroupIndex);

enum class Timer : uint8_t { tmSampler, tmrLang };
struct TimerDesign {
  Timer id = Timer::tmSampler;
  std::string_view name = {};
  int timerId = 0;
  int intervalMs = 0;
  bool enabledAtCreation = false;
};
std::span<const TimerDesign> timers();
const TimerDesign& timerDesign(Timer id);

}  // namespace tintwell::layout
