#pragma once

// The whole main window on in-memory controls, laid out as designed, with
// the event wiring the Win32 adapter provides.

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_controls.h"
#include "fakes/fake_registry.h"
#include "shell/frm_color.h"

namespace tintwell::fakes {

class HeadlessWindow {
 public:
  // The swatch may be given another geometry, to test the fill at odd widths.
  explicit HeadlessWindow(std::optional<SurfaceGeometry> swatch = std::nullopt);

  void start() { form.Form_Load(); }

  // Focus moves as the platform moves it: lost-focus of the old field first.
  void focusField(int index);
  void focusElsewhere();
  void typeInto(int index, const std::string& typed);  // focuses the field first
  void replaceText(int index, const std::string& text);

  // Sets the colour state and refreshes the fields from it, as a handler does.
  void showColor(double hue, double saturation, double value);

  // A tick reaches the handler only while its timer is enabled.
  void tickSampler();
  void tickHover();

  std::array<std::string, kFieldCount> fieldTexts() const;

  FakeRegistry registry;
  FakePlatform platform{registry};
  FakeWindow window;
  std::array<std::unique_ptr<FakeTextField>, kFieldCount> fields;
  FakeSurface imgMatrix;
  FakeSurface imgVertical;
  FakeSurface imgCurColor;
  FakePicture imgArrowLeft;
  FakePicture imgArrowRight;
  FakePicture imgLangENG;
  FakePicture imgLangHUN;
  FakePicture imgLangENG_hl;
  FakePicture imgLangHUN_hl;
  FakeLabel lblTitle;
  FakeLabel lblVersion;
  FakeLabel lblHomepage;
  FakeLabel lblQuality;
  FakeLabel lblTintwell;
  FakeDropDownList cmbQuality;
  FakeTimer tmSampler;
  FakeTimer tmrLang;
  FormControls controls;
  frmColor form;
  int focusedField = -1;
};

}  // namespace tintwell::fakes
