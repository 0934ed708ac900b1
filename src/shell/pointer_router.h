#pragma once

// Pointer events on the window itself, routed to the windowless control they
// land on: which control is hit, what makes a click, and which handler of
// frmColor each event runs. The adapter and the headless window both feed it.

#include <cstddef>
#include <vector>

#include "core/mod_color.h"
#include "shell/frm_color.h"
#include "shell/layout.h"

namespace tintwell {

// Where a windowless control is now, in client pixels.
struct ControlPlace {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
};

// Pictures move and labels size themselves to their text, so only the
// platform knows the current places.
class ControlPlaces {
 public:
  // The control at that position of layout::paintingOrder().
  virtual ControlPlace place(size_t order) const = 0;

 protected:
  ~ControlPlaces() = default;
};

enum class MouseAction { down, move, up };

// The handler a button or move on a surface runs; nullptr when it runs none.
layout::SurfaceHandler surfaceHandler(const layout::ControlDesign& surface, MouseAction action);

// The handler a key going down on a focused surface runs; nullptr when the
// surface takes no such key, and while SHIFT (the sampler's) or a mouse
// button (the drag's) is held.
layout::KeyHandler surfaceKeyHandler(const layout::ControlDesign& surface, int16_t keyCode,
                                     int16_t shift, bool buttonHeld);

class PointerRouter {
 public:
  // The handler an event runs; nullptr when it runs none.
  using Handler = layout::PointerHandler;

  explicit PointerRouter(const ControlPlaces& places);

  Handler move(Point point) const;
  void press(Point point);
  // The second press of a double-click, which makes no click.
  void doublePress() { pressed_ = nullptr; }
  Handler release(Point point);
  void captureLost() { pressed_ = nullptr; }

  // The topmost visible control under the point that takes pointer events;
  // nullptr for the bare window.
  const layout::ControlDesign* hitTest(Point point) const;

 private:
  struct Route {
    const layout::ControlDesign* design;
    bool takesPointer;
  };

  const Route* hit(Point point) const;

  const ControlPlaces& places_;
  std::vector<Route> routes_;  // in painting order
  const Route* pressed_ = nullptr;
};

}  // namespace tintwell
