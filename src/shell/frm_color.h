#pragma once

// The main window: all the state of a run and every event handler. Each
// subsystem defines its handlers in its own folder (picker/, fields/,
// sampler/, shell/).

#include <array>
#include <cstdint>
#include <optional>

#include "core/color_state.h"
#include "core/vocabulary.h"
#include "fields/color_forms.h"
#include "shell/layout.h"
#include "shell/ports.h"

namespace tintwell {

// The labels and pictures, found by the row that declares them. Asking for
// a control as the wrong kind throws.
class WindowlessControls {
 public:
  virtual Label& label(layout::Control id) = 0;
  virtual Picture& picture(layout::Control id) = 0;

 protected:
  ~WindowlessControls() = default;
};

// The controls and services of one window, as the adapter or a test built them.
struct FormControls {
  FormWindow& form;
  std::array<TextField*, kFieldCount> txtInp;
  Surface& imgMatrix;
  Surface& imgVertical;
  Surface& imgCurColor;
  WindowlessControls& windowless;
  DropDownList& cmbQuality;
  IntervalTimer& tmSampler;
  IntervalTimer& tmrLang;
  Platform& platform;
};

class frmColor : public ColorState {
 public:
  explicit frmColor(FormControls& controls) : controls_(controls) {}
  frmColor(const frmColor&) = delete;
  frmColor& operator=(const frmColor&) = delete;

  // Start-up and shutdown (shell/startup.cpp).
  void Form_Load();
  void Form_Unload();

  // Dimension options and the slider strip (picker/vertical.cpp).
  void optDim_Click(int16_t index);
  void drawVertical();

  // The matrix and its marker (picker/matrix.cpp).
  void drawMatrix(bool bMarker);
  void drawMatrixMarker(int32_t x, int32_t y);

  // Pointer picking (picker/pointer.cpp). Coordinates are pixels relative to
  // the surface's drawing area, negative or beyond it while captured.
  void imgMatrix_MouseDown(int16_t button, int16_t shift, float x, float y);
  void imgMatrix_MouseMove(int16_t button, int16_t shift, float x, float y);
  void imgMatrix_MouseUp(int16_t button, int16_t shift, float x, float y);
  void imgVertical_MouseDown(int16_t button, int16_t shift, float x, float y);
  void imgVertical_MouseMove(int16_t button, int16_t shift, float x, float y);
  void imgVertical_MouseUp(int16_t button, int16_t shift, float x, float y);
  void imgMatrixClick(float x, float y, bool bDrawBig);

  // Keys on the focused colour field and strip (picker/surface_keys.cpp);
  // the router hands them only keys of their own, with no SHIFT or button held.
  void imgMatrix_KeyDown(int16_t& keyCode, int16_t shift);
  void imgVertical_KeyDown(int16_t& keyCode, int16_t shift);

  // Value fields and swatch (fields/refresh.cpp, fields/editing.cpp).
  void refreshInputs(int16_t skipIndex);
  void txtInp_Change(int16_t index);
  void txtInp_GotFocus(int16_t index);
  void txtInp_LostFocus(int16_t index);

  // Copying and pasting the colour (fields/copy_paste.cpp).
  SwatchMenu swatchMenu();
  void copyText(const std::string& text);
  void copyColor();
  void pasteColor();

  // Screen sampler (sampler/sampler.cpp).
  void Form_KeyDown(int16_t& keyCode, int16_t shift);
  void Form_KeyUp(int16_t& keyCode, int16_t shift);
  void tmSampler_Timer();

  // Captions (shell/language.cpp).
  void applyLanguage(int32_t code);
  void imgLangENG_hl_Click();
  void imgLangHUN_hl_Click();

  // Hover and home page (shell/hover.cpp).
  void resetHover();
  void imgLangENG_MouseMove();
  void imgLangHUN_MouseMove();
  void lblHomepage_MouseMove();
  void Form_MouseMove();
  void tmrLang_Timer();
  void lblHomepage_Click();

  // State of a run; the colour itself is inherited from ColourState.
  int16_t iDim = 0;
  int16_t iVerticalPos = 0;
  int16_t iMatrixX = 0;
  int16_t iMatrixY = 0;
  bool bVerticalDrag = false;
  bool bMatrixDrag = false;
  int32_t lCurColor = 0;
  // Edit guard: true while a value field has the focus; refreshInputs holds
  // it false while it writes, so its own writes are not read back as typing.
  bool bInpFocus = false;
  int16_t iHover = 0;
  Point ptCursor;

  // The controls, named as the window names them.
  FormWindow& form() { return controls_.form; }
  TextField& txtInp(int index) { return *controls_.txtInp.at(static_cast<size_t>(index)); }
  Surface& imgMatrix() { return controls_.imgMatrix; }
  Surface& imgVertical() { return controls_.imgVertical; }
  Surface& imgCurColor() { return controls_.imgCurColor; }
  using Control = layout::Control;
  Label& label(Control id) { return controls_.windowless.label(id); }
  Picture& picture(Control id) { return controls_.windowless.picture(id); }
  DropDownList& cmbQuality() { return controls_.cmbQuality; }
  IntervalTimer& tmSampler() { return controls_.tmSampler; }
  IntervalTimer& tmrLang() { return controls_.tmrLang; }
  Platform& platform() { return controls_.platform; }

 private:
  void verticalStep();
  void stripRowStep(int32_t row);
  // Field editing by kind of field (fields/editing.cpp).
  void takeHsvFields();
  void takeRgbFields();
  void takeHexField();
  enum class Handled { here, nested };
  Handled takeColorNumberField();
  void lightItem(int16_t item);

  FormControls& controls_;
  // A matrix release handled while its press is still running (a quick click).
  int matrixPressDepth_ = 0;
  std::optional<Point> releaseDuringPress_;
  // What each surface was last drawn from, while nothing has drawn over it
  // since: the same drawing again would change no pixel. A sampler tick over
  // one colour is then little more than its screen read.
  struct MatrixDrawing {
    int16_t dimension = 0;
    int step = 0;
    bool marker = false;
    ColorState color;
    bool operator==(const MatrixDrawing&) const = default;
  };
  struct StripDrawing {
    int16_t dimension = 0;
    ColorState color;
    bool operator==(const StripDrawing&) const = default;
  };
  using StripRows = std::array<PackedColor, kSurfaceSide>;
  std::optional<MatrixDrawing> matrixDrawn_;
  std::optional<StripDrawing> stripDrawnFrom_;
  std::optional<StripRows> stripDrawn_;
  std::optional<PackedColor> swatchPainted_;
};

}  // namespace tintwell
