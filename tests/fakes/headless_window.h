#pragma once

// The whole main window on in-memory controls, laid out as designed, with
// the event wiring the Win32 adapter provides. Labels keep their designed
// size: there is no font to measure them with.

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_controls.h"
#include "fakes/fake_registry.h"
#include "shell/frm_color.h"
#include "shell/pointer_router.h"

namespace tintwell::fakes {

class HeadlessWindow : private ControlPlaces, private WindowlessControls {
  std::map<layout::Control, FakeLabel> labels_;
  std::map<layout::Control, FakePicture> pictures_;

 public:
  // The swatch may be given another geometry, to test the fill at odd widths.
  explicit HeadlessWindow(std::optional<SurfaceGeometry> swatch = std::nullopt);

  void start() { form.Form_Load(); }

  // Focus moves as the platform moves it: lost-focus of the old field first.
  void focusField(int index);
  void focusElsewhere();
  // TAB from a field goes to the next one and selects its text; from the
  // last, to the controls after the fields.
  void tabForward();
  void typeInto(int index, const std::string& typed);  // focuses the field first, key by key
  void replaceText(int index, const std::string& text);

  // Sets the colour state and refreshes the fields from it, as a handler does.
  void showColor(double hue, double saturation, double value);

  // Pointer input on the window itself, in client pixels, as the adapter
  // hands it to the router.
  void movePointer(Point point) { run(router.move(point)); }
  void pressPointer(Point point) { router.press(point); }
  void doublePressPointer() { router.doublePress(); }
  void releasePointer(Point point) { run(router.release(point)); }
  void losePointerCapture() { router.captureLost(); }

  // A key on a focused surface: the window sees it first (key preview), then
  // the router chooses the surface's handler. Any key-up ends sampling.
  void surfaceKeyDown(layout::Control surface, int16_t keyCode, int16_t shift = 0,
                      bool buttonHeld = false);
  void keyUp(int16_t keyCode);

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
  // Every label and picture of the layout table; another control throws.
  FakeLabel& label(layout::Control id) override { return labels_.at(id); }
  FakePicture& picture(layout::Control id) override { return pictures_.at(id); }
  FakeDropDownList cmbQuality;
  FakeTimer tmSampler;
  FakeTimer tmrLang;
  FormControls controls;
  frmColor form;
  PointerRouter router{static_cast<const ControlPlaces&>(*this)};
  int focusedField = -1;
  std::string clipboard;

 private:
  ControlPlace place(size_t order) const override;
  void run(PointerRouter::Handler handler) {
    if (handler != nullptr) (form.*handler)();
  }
};

}  // namespace tintwell::fakes
