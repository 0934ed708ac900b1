#pragma once

// Two colours a step apart, set in turn before each call: a surface is drawn
// only when what it is drawn from differs, so every measured call must bring
// a new colour to measure a drawing at all.

#include <utility>

#include "core/color_state.h"
#include "fakes/headless_window.h"

namespace tintwell::bench {

class AlternatingColor {
 public:
  explicit AlternatingColor(fakes::HeadlessWindow& window) : form_(window.form) {
    window.showColor(211, 0.61, 0.81);
    other_ = form_;
    window.showColor(210, 0.6, 0.8);
  }

  void next() { std::swap(static_cast<ColorState&>(form_), other_); }

 private:
  frmColor& form_;
  ColorState other_;
};

}  // namespace tintwell::bench
