// Arbitrary text, up to the field's length, typed or pasted into any field of
// the headless window in any dimension and quality: the colour stays whole and
// in range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/mod_color.h"
#include "fakes/headless_window.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using tintwell::fakes::HeadlessWindow;
  if (size < 2) return 0;
  static HeadlessWindow* window = [] {
    auto* created = new HeadlessWindow;
    created->start();
    return created;
  }();
  const int field = data[0] % tintwell::kFieldCount;
  const bool paste = (data[0] & 0x80u) != 0;
  // One byte picks both the dimension and the render quality.
  window->cmbQuality.setListIndex(data[1] / 6 % 3);
  window->form.optDim_Click(static_cast<int16_t>(data[1] % 6));
  const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
  if (paste) {
    window->replaceText(field, text);
  } else {
    window->typeInto(field, text);
  }

  const tintwell::frmColor& form = window->form;
  require(form.dHue >= 0 && form.dHue <= 360);
  require(form.dSat >= 0 && form.dSat <= 1);
  require(form.dVal >= 0 && form.dVal <= 1);
  require(tintwell::convHSV2RGB(form.dHue, form.dSat, form.dVal) ==
          tintwell::packRgb(form.iRed, form.iGreen, form.iBlue));
  return 0;
}
