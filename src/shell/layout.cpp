#include "shell/layout.h"

#include <algorithm>
#include <array>

#include "shell/frm_color.h"
#include "shell/maker.h"

namespace tintwell::layout {

namespace {

using enum ControlKind;

// The band and the lines reach past the right edge and are clipped there.
constexpr int kBandWidth = 729;
constexpr int kLineHeight = 1;
constexpr int kFieldHeight = 19;
constexpr int kSmallFieldWidth = 41;
constexpr int kWideFieldWidth = 73;
constexpr int kSmallFieldLength = 3;
constexpr int kHexFieldLength = 6;
constexpr int kNumberFieldLength = 8;
constexpr int kOptionLeft = 326;
constexpr int kOptionWidth = 33;
constexpr int kOptionHeight = 17;
constexpr int kSmallFieldLeft = 360;
constexpr int kWideFieldLeft = 344;
constexpr int kFlagWidth = 21;
constexpr int kFlagHeight = 20;
constexpr int kArrowWidth = 8;

constexpr ControlDesign makeOption(int index, int top, int tabIndex, std::string_view caption) {
  return {.id = Control::optDim,
          .name = "optDim",
          .index = index,
          .kind = optionButton,
          .left = kOptionLeft,
          .top = top,
          .width = kOptionWidth,
          .height = kOptionHeight,
          .tabIndex = tabIndex,
          .caption = caption,
          .controlId = optDimId(index),
          .checked = index == 0};
}

constexpr ControlDesign makeField(int index, int left, int top, int width, int tabIndex,
                                  int maxLength) {
  return {.id = Control::txtInp,
          .name = "txtInp",
          .index = index,
          .kind = textField,
          .left = left,
          .top = top,
          .width = width,
          .height = kFieldHeight,
          .tabIndex = tabIndex,
          .font = kDefaultFont,
          .foreColor = ColorDesign{ColorRole::fixed, 0},
          .backColor = kSystemWindow,
          .maxLength = maxLength,
          .controlId = txtInpId(index)};
}

struct PictureRow {
  Control id;
  std::string_view name;
  int left;
  int top;
  int width;
  int height;
  Art art;
  PointerHandler onMove = nullptr;
  PointerHandler onClick = nullptr;
};

constexpr ControlDesign makePicture(const PictureRow& row) {
  return {.id = row.id,
          .name = row.name,
          .kind = ControlKind::picture,
          .left = row.left,
          .top = row.top,
          .width = row.width,
          .height = row.height,
          .art = row.art,
          .onMove = row.onMove,
          .onClick = row.onClick};
}

constexpr ControlDesign makeUnitLabel(Control id, std::string_view name, int left, int top,
                                      int width, int tabIndex, std::string_view caption,
                                      FontDesign font) {
  constexpr int kUnitLabelHeight = 14;
  return {.id = id,
          .name = name,
          .kind = label,
          .left = left,
          .top = top,
          .width = width,
          .height = kUnitLabelHeight,
          .tabIndex = tabIndex,
          .caption = caption,
          .font = font,
          .autoSize = true};
}

constexpr ControlDesign makeLine(Control id, std::string_view name, int top, ColorDesign color) {
  return {.id = id,
          .name = name,
          .kind = ControlKind::line,
          .left = 0,
          .top = top,
          .width = kBandWidth,
          .height = kLineHeight,
          .backColor = color};
}

constexpr std::array kControls{
    // Windowed: the picker, the dimension options, the value fields, the quality list.
    ControlDesign{.id = Control::imgMatrix,
                  .name = "imgMatrix",
                  .kind = surface,
                  .left = 8,
                  .top = 88,
                  .width = 260,
                  .height = 260,
                  .tabIndex = 0,
                  .controlId = kImgMatrixId,
                  .pointer = Pointer::ring,
                  .onMouseDown = &frmColor::imgMatrix_MouseDown,
                  .onMouseMove = &frmColor::imgMatrix_MouseMove,
                  .onMouseUp = &frmColor::imgMatrix_MouseUp,
                  .onKeyDown = &frmColor::imgMatrix_KeyDown},
    ControlDesign{.id = Control::imgVertical,
                  .name = "imgVertical",
                  .kind = surface,
                  .left = 280,
                  .top = 88,
                  .width = 25,
                  .height = 260,
                  .tabIndex = 1,
                  .controlId = kImgVerticalId,
                  .onMouseDown = &frmColor::imgVertical_MouseDown,
                  .onMouseMove = &frmColor::imgVertical_MouseMove,
                  .onMouseUp = &frmColor::imgVertical_MouseUp,
                  .onKeyDown = &frmColor::imgVertical_KeyDown},
    ControlDesign{.id = Control::imgCurColor,
                  .name = "imgCurColor",
                  .kind = surface,
                  .left = 336,
                  .top = 88,
                  .width = 89,
                  .height = 49,
                  .tabIndex = 11,
                  .controlId = kImgCurColorId,
                  .scaleUnit = ScaleUnit::twips},
    makeOption(0, 162, 17, "H:"),
    makeOption(1, 186, 18, "S:"),
    makeOption(2, 210, 19, "B:"),
    makeOption(3, 250, 20, "R:"),
    makeOption(4, 274, 21, "G:"),
    makeOption(5, 298, 22, "B:"),
    makeField(0, kSmallFieldLeft, 160, kSmallFieldWidth, 2, kSmallFieldLength),
    makeField(1, kSmallFieldLeft, 184, kSmallFieldWidth, 3, kSmallFieldLength),
    makeField(2, kSmallFieldLeft, 208, kSmallFieldWidth, 4, kSmallFieldLength),
    makeField(3, kSmallFieldLeft, 248, kSmallFieldWidth, 8, kSmallFieldLength),
    makeField(4, kSmallFieldLeft, 272, kSmallFieldWidth, 9, kSmallFieldLength),
    makeField(5, kSmallFieldLeft, 296, kSmallFieldWidth, 10, kSmallFieldLength),
    makeField(6, kWideFieldLeft, 336, kWideFieldWidth, 13, kHexFieldLength),
    makeField(7, kWideFieldLeft, 360, kWideFieldWidth, 23, kNumberFieldLength),
    ControlDesign{.id = Control::cmbQuality,
                  .name = "cmbQuality",
                  .kind = dropDownList,
                  .left = 152,
                  .top = 360,
                  .width = 113,
                  .height = 21,
                  .tabIndex = 28,
                  .font = kDefaultFont,
                  .controlId = kCmbQualityId},

    // Windowless, back to front.
    ControlDesign{.id = Control::Shape1,
                  .name = "Shape1",
                  .kind = shape,
                  .width = kBandWidth,
                  .height = 73,
                  .backColor = kWhite},
    makeUnitLabel(Control::Label4, "Label4", 402, 163, 4, 5, "\u00B0", kArial),
    makeUnitLabel(Control::Label5, "Label5", 402, 187, 10, 6, "%", kArial),
    makeUnitLabel(Control::Label6, "Label6", 402, 211, 10, 7, "%", kArial),
    makePicture({Control::imgArrowLeft, "imgArrowLeft", 271, 96, kArrowWidth, kArrowHeight,
                 Art::arrowLeft}),
    makePicture({Control::imgArrowRight, "imgArrowRight", 305, 96, kArrowWidth, kArrowHeight,
                 Art::arrowRight}),
    makeUnitLabel(Control::Label11, "Label11", 328, 339, 6, 12, "#", kArialWestern),
    makeLine(Control::Line1, "Line1", 70, kButtonShadow),
    ControlDesign{.id = Control::lblTitle,
                  .name = "lblTitle",
                  .kind = label,
                  .left = 8,
                  .top = 8,
                  .width = 82,
                  .height = 25,
                  .tabIndex = 14,
                  .caption = "Title text",
                  .font = kGeorgiaTitle,
                  .backColor = kSystemWindow,
                  .autoSize = true},
    ControlDesign{.id = Control::Label10,
                  .name = "Label10",
                  .kind = label,
                  .left = 32,
                  .top = 41,
                  .width = 106,
                  .height = 16,
                  .tabIndex = 15,
                  .caption = kMakerCredit,
                  .font = kArialBigBold,
                  .backColor = kSystemWindow,
                  .autoSize = true},
    makePicture({Control::Image2, "Image2", 10, 41, 16, 16, Art::makerLogo}),
    ControlDesign{.id = Control::lblHomepage,
                  .name = "lblHomepage",
                  .kind = label,
                  .left = 328,
                  .top = 52,
                  .width = 105,
                  .height = 17,
                  .tabIndex = 16,
                  .caption = kHomepageText,
                  .font = kArialBold,
                  .backColor = kSystemWindow,
                  .alignment = Alignment::right,
                  .onMove = &frmColor::lblHomepage_MouseMove,
                  .onClick = &frmColor::lblHomepage_Click},
    makePicture({Control::imgLangENG, "imgLangENG", 390, 4, kFlagWidth, kFlagHeight,
                 Art::flagEnglish, &frmColor::imgLangENG_MouseMove}),
    makePicture({Control::imgLangHUN, "imgLangHUN", 414, 4, kFlagWidth, kFlagHeight,
                 Art::flagHungarian, &frmColor::imgLangHUN_MouseMove}),
    makePicture({Control::Image1, "Image1", 8, 400, 18, 18, Art::eyedropper}),
    ControlDesign{.id = Control::lblTintwell,
                  .name = "lblTintwell",
                  .kind = label,
                  .left = 32,
                  .top = 402,
                  .width = 409,
                  .height = 17,
                  .tabIndex = 24,
                  .caption = "press or hold shift key to get color from below the cursor",
                  .font = kDefaultFont,
                  .captions = {"press or hold SHIFT key to get color from below the cursor",
                               "a SHIFT gomb nyomvatart\u00e1sa mellett vehet\u0151 "
                               "sz\u00ednminta a k\u00e9perny\u0151 b\u00e1rmely "
                               "pontj\u00e1r\u00f3l"}},
    makeUnitLabel(Control::Label1, "Label1", 312, 363, 22, 25, "BGR", kArialWestern),
    ControlDesign{.id = Control::lblVersion,
                  .name = "lblVersion",
                  .kind = label,
                  .left = 391,
                  .top = 32,
                  .width = 42,
                  .height = 14,
                  .tabIndex = 26,
                  .caption = "version",
                  .font = kArialBold,
                  .foreColor = kSilver,
                  .backColor = kWhite,
                  .alignment = Alignment::right,
                  .autoSize = true},
    ControlDesign{.id = Control::lblQuality,
                  .name = "lblQuality",
                  .kind = label,
                  .left = 8,
                  .top = 363,
                  .width = 137,
                  .height = 17,
                  .tabIndex = 27,
                  .caption = "lblQuality",
                  .font = kDefaultFont,
                  .captions = {"Render quality:", "Rajzol\u00e1si min\u0151s\u00e9g:"}},
    makeLine(Control::Line2, "Line2", 391, kButtonShadow),
    makeLine(Control::Line3, "Line3", 392, kWhite),
    makePicture({Control::imgLangENG_hl, "imgLangENG_hl", 280, 8, kFlagWidth, kFlagHeight,
                 Art::flagEnglishPale, nullptr, &frmColor::imgLangENG_hl_Click}),
    makePicture({Control::imgLangHUN_hl, "imgLangHUN_hl", 304, 8, kFlagWidth, kFlagHeight,
                 Art::flagHungarianPale, nullptr, &frmColor::imgLangHUN_hl_Click}),
};

constexpr size_t countWindowed() {
  return static_cast<size_t>(
      std::count_if(kControls.begin(), kControls.end(),
                    [](const ControlDesign& design) { return isWindowed(design.kind); }));
}

// Each control has one row; a group one per member.
constexpr bool declaresEveryControlOnce() {
  for (int id = 0; id <= static_cast<int>(Control::cmbQuality); ++id) {
    const auto rows = std::count_if(kControls.begin(), kControls.end(), [id](const auto& design) {
      return design.id == static_cast<Control>(id) && design.index == kNoGroupIndex;
    });
    const auto members =
        std::count_if(kControls.begin(), kControls.end(), [id](const auto& design) {
          return design.id == static_cast<Control>(id) && design.index != kNoGroupIndex;
        });
    const bool single = rows == 1 && members == 0;
    const bool group = rows == 0 && members > 0;
    if (!single && !group) return false;
  }
  return true;
}
static_assert(declaresEveryControlOnce());

constexpr std::array kTimers{
    TimerDesign{.id = Timer::tmSampler,
                .name = "tmSampler",
                .timerId = 1,
                .intervalMs = 33,
                .enabledAtCreation = true},
    TimerDesign{.id = Timer::tmrLang,
                .name = "tmrLang",
                .timerId = 2,
                .intervalMs = 100,
                .enabledAtCreation = false},
};

}  // namespace

std::span<const ControlDesign> controls() {
  return kControls;
}

std::span<const ControlDesign* const> windowedControls() {
  static const auto ordered = [] {
    std::array<const ControlDesign*, countWindowed()> result{};
    auto out = result.begin();
    for (const ControlDesign& design : kControls) {
      if (isWindowed(design.kind)) *out++ = &design;
    }
    std::sort(result.begin(), result.end(), [](const ControlDesign* a, const ControlDesign* b) {
      return a->tabIndex < b->tabIndex;
    });
    return result;
  }();
  return ordered;
}

std::span<const ControlDesign* const> paintingOrder() {
  static const auto ordered = [] {
    std::array<const ControlDesign*, kControls.size() - countWindowed()> result{};
    auto out = result.begin();
    for (const ControlDesign& design : kControls) {
      if (!isWindowed(design.kind)) *out++ = &design;
    }
    return result;
  }();
  return ordered;
}

const ControlDesign* findControl(Control id, int index) {
  const auto found = std::find_if(
      kControls.begin(), kControls.end(),
      [&](const ControlDesign& design) { return design.id == id && design.index == index; });
  return found == kControls.end() ? nullptr : &*found;
}

std::span<const TimerDesign> timers() {
  return kTimers;
}

const TimerDesign& timerDesign(Timer id) {
  return *std::find_if(kTimers.begin(), kTimers.end(),
                       [id](const TimerDesign& timer) { return timer.id == id; });
}

}  // namespace tintwell::layout
