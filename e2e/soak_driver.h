#pragma once

// Long runs of ordinary use for the soak test, each step waited for until the
// program has handled it, so that nothing piles up in its queue.

#include <windows.h>

#include "app_process.h"

namespace tintwell::e2e {

class SoakDriver {
 public:
  explicit SoakDriver(const TintwellProcess& app) : app_(app) {}

  // Sampler ticks handed to the window as its timer hands them; each reads
  // the screen while SHIFT is down. False when the window stopped taking them.
  bool samplerTicks(int count) const;
  // Press, drag across the matrix and release, back and forth; false at the
  // first drag whose end the fields did not show.
  bool matrixDrags(int count) const;
  // Hungarian and English flags in turn, hovered and clicked; false at the
  // first switch the captions did not show.
  bool languageSwitches(int count) const;
  // The swatch's menu opened by a right-click and closed by ESCAPE; false at
  // the first that did not open or close.
  bool swatchMenus(int count) const;

 private:
  POINT inMatrix(POINT point) const;

  const TintwellProcess& app_;
};

}  // namespace tintwell::e2e
