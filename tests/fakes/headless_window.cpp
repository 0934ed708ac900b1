#include "fakes/headless_window.h"

#include <string>

#include "core/utf8.h"
#include "sampler/mod_color_capture.h"
#include "sampler/sampling.h"
#include "shell/language.h"
#include "shell/layout.h"

namespace tintwell::fakes {

namespace {

SurfaceGeometry surfaceGeometry(layout::Control id) {
  const layout::ControlDesign& control = *layout::findControl(id);
  const Box inner = layout::innerBox(control);
  const int scale = control.scaleUnit == layout::ScaleUnit::twips ? kTwipsPerPixel : 1;
  return {control.left,   control.top,           control.width,
          control.height, inner.width() * scale, inner.height() * scale};
}

}  // namespace

HeadlessWindow::HeadlessWindow(std::optional<SurfaceGeometry> swatch)
    : imgMatrix(surfaceGeometry(layout::Control::imgMatrix)),
      imgVertical(surfaceGeometry(layout::Control::imgVertical)),
      imgCurColor(swatch.value_or(surfaceGeometry(layout::Control::imgCurColor))),
      tmSampler(layout::timerDesign(layout::Timer::tmSampler).enabledAtCreation),
      tmrLang(layout::timerDesign(layout::Timer::tmrLang).enabledAtCreation),
      controls{.form = window,
               .txtInp = {},
               .imgMatrix = imgMatrix,
               .imgVertical = imgVertical,
               .imgCurColor = imgCurColor,
               .windowless = *this,
               .cmbQuality = cmbQuality,
               .tmSampler = tmSampler,
               .tmrLang = tmrLang,
               .platform = platform},
      form(controls) {
  for (const layout::ControlDesign* control : layout::paintingOrder()) {
    if (control->kind == layout::ControlKind::label) {
      labels_.emplace(control->id, FakeLabel(std::string(control->caption)));
    } else if (control->kind == layout::ControlKind::picture) {
      pictures_.emplace(control->id, FakePicture(control->left, control->top, control->width));
    }
  }
  // Module-level state lives for a program run; each window here is a new run.
  modColor::ptMouse = {};
  bSampling = false;
  modColorCapture::bCapturing = false;
  iLanguage = 0;

  window.innerWidth = layout::kClientWidth;
  for (int index = 0; index < kFieldCount; ++index) {
    fields[static_cast<size_t>(index)] = std::make_unique<FakeTextField>(
        layout::findControl(layout::Control::txtInp, index)->maxLength);
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

void HeadlessWindow::surfaceKeyDown(layout::Control surface, int16_t keyCode, int16_t shift,
                                    bool buttonHeld) {
  form.Form_KeyDown(keyCode, shift);
  const layout::KeyHandler handler =
      surfaceKeyHandler(*layout::findControl(surface), keyCode, shift, buttonHeld);
  if (handler != nullptr) (form.*handler)(keyCode, shift);
}

void HeadlessWindow::keyUp(int16_t keyCode) {
  form.Form_KeyUp(keyCode, 0);
}

void HeadlessWindow::tickSampler() {
  if (tmSampler.enabled()) form.tmSampler_Timer();
}

void HeadlessWindow::tickHover() {
  if (tmrLang.enabled()) form.tmrLang_Timer();
}

// Pictures move; labels keep their designed size.
ControlPlace HeadlessWindow::place(size_t order) const {
  const layout::ControlDesign& control = *layout::paintingOrder()[order];
  const auto found = pictures_.find(control.id);
  if (found == pictures_.end()) {
    return {control.left, control.top, control.width, control.height, true};
  }
  const FakePicture& picture = found->second;
  return {picture.left(), picture.top(), picture.width(), control.height, picture.visible()};
}

std::array<std::string, kFieldCount> HeadlessWindow::fieldTexts() const {
  std::array<std::string, kFieldCount> texts;
  for (size_t index = 0; index < texts.size(); ++index) texts[index] = fields[index]->text();
  return texts;
}

}  // namespace tintwell::fakes
