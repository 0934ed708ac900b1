#include "fakes/headless_window.h"

#include <utility>

#include "core/utf8.h"
#include "sampler/mod_color_capture.h"
#include "sampler/sampling.h"
#include "shell/language.h"
#include "shell/layout.h"

namespace tintwell::fakes {

namespace {

const layout::ControlDesign& design(std::string_view name, int index = layout::kNoGroupIndex) {
  return *layout::findControl(name, index);
}

SurfaceGeometry surfaceGeometry(std::string_view name) {
  const layout::ControlDesign& control = design(name);
  const int innerWidth = control.width - 2 * kSurfaceBorder;
  const int innerHeight = control.height - 2 * kSurfaceBorder;
  const int scale = control.scaleUnit == layout::ScaleUnit::twips ? kTwipsPerPixel : 1;
  return {control.left,   control.top,        control.width,
          control.height, innerWidth * scale, innerHeight * scale};
}

FakePicture picture(std::string_view name) {
  const layout::ControlDesign& control = design(name);
  return FakePicture(control.left, control.top, control.width);
}

FakeLabel label(std::string_view name) {
  return FakeLabel(std::string(design(name).caption));
}

}  // namespace

HeadlessWindow::HeadlessWindow(std::optional<SurfaceGeometry> swatch)
    : imgMatrix(surfaceGeometry("imgMatrix")),
      imgVertical(surfaceGeometry("imgVertical")),
      imgCurColor(swatch.value_or(surfaceGeometry("imgCurColor"))),
      imgArrowLeft(picture("imgArrowLeft")),
      imgArrowRight(picture("imgArrowRight")),
      imgLangENG(picture("imgLangENG")),
      imgLangHUN(picture("imgLangHUN")),
      imgLangENG_hl(picture("imgLangENG_hl")),
      imgLangHUN_hl(picture("imgLangHUN_hl")),
      lblTitle(label("lblTitle")),
      lblVersion(label("lblVersion")),
      lblHomepage(label("lblHomepage")),
      lblQuality(label("lblQuality")),
      lblTintwell(label("lblTintwell")),
      tmSampler(true),
      tmrLang(false),
      controls{window,        {},          imgMatrix,  imgVertical,   imgCurColor,   imgArrowLeft,
               imgArrowRight, imgLangENG,  imgLangHUN, imgLangENG_hl, imgLangHUN_hl, lblTitle,
               lblVersion,    lblHomepage, lblQuality, lblTintwell,   cmbQuality,    tmSampler,
               tmrLang,       platform},
      form(controls) {
  // Module-level state lives for a program run; each window here is a new run.
  modColor::ptMouse = {};
  bSampling = false;
  modColorCapture::bCapturing = false;
  iLanguage = 0;

  window.innerWidth = layout::kClientWidth;
  for (int index = 0; index < kFieldCount; ++index) {
    fields[static_cast<size_t>(index)] =
        std::make_unique<FakeTextField>(design("txtInp", index).maxLength);
    FakeTextField& field = *fields[static_cast<size_t>(index)];
    field.onChange = [this, index] { form.txtInp_Change(static_cast<int16_t>(index)); };
    controls.txtInp[static_cast<size_t>(index)] = &field;
  }
}

void HeadlessWindow::focusField(int index) {
  if (focusedField == index) return;
  focusElsewhere();
  focusedField = index;
  form.txtInp_GotFocus(static_cast<int16_t>(index));
}

void HeadlessWindow::focusElsewhere() {
  if (focusedField < 0) return;
  const int leaving = focusedField;
  focusedField = -1;
  form.txtInp_LostFocus(static_cast<int16_t>(leaving));
}

void HeadlessWindow::tabForward() {
  const int next = focusedField + 1;
  if (next >= kFieldCount) return focusElsewhere();
  focusField(next);
  fields[static_cast<size_t>(next)]->selectAll();
}

void HeadlessWindow::typeInto(int index, const std::string& typed) {
  focusField(index);
  // Each key goes to the field that has the focus when it is taken: one
  // queued before it may have moved the focus.
  for (const std::string_view key : utf8Characters(typed)) {
    if (focusedField < 0) return;
    fields[static_cast<size_t>(focusedField)]->type(std::string(key));
  }
}

void HeadlessWindow::replaceText(int index, const std::string& text) {
  focusField(index);
  fields[static_cast<size_t>(index)]->selectAllAndType(text);
}

void HeadlessWindow::showColor(double hue, double saturation, double value) {
  form.dHue = hue;
  form.dSat = saturation;
  form.dVal = value;
  form.refreshInputs(-1);
}

void HeadlessWindow::tickSampler() {
  if (tmSampler.enabled()) form.tmSampler_Timer();
}

void HeadlessWindow::tickHover() {
  if (tmrLang.enabled()) form.tmrLang_Timer();
}

ControlPlace HeadlessWindow::place(size_t order) const {
  const layout::ControlDesign& control = *layout::paintingOrder()[order];
  const std::pair<std::string_view, const FakePicture*> pictures[] = {
      {"imgArrowLeft", &imgArrowLeft},   {"imgArrowRight", &imgArrowRight},
      {"imgLangENG", &imgLangENG},       {"imgLangHUN", &imgLangHUN},
      {"imgLangENG_hl", &imgLangENG_hl}, {"imgLangHUN_hl", &imgLangHUN_hl},
  };
  for (const auto& [name, picture] : pictures) {
    if (name == control.name) {
      return {picture->left(), picture->top(), picture->width(), control.height,
              picture->visible()};
    }
  }
  return {control.left, control.top, control.width, control.height, true};
}

std::array<std::string, kFieldCount> HeadlessWindow::fieldTexts() const {
  std::array<std::string, kFieldCount> texts;
  for (size_t index = 0; index < texts.size(); ++index) texts[index] = fields[index]->text();
  return texts;
}

}  // namespace tintwell::fakes
