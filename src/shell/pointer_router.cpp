#include "shell/pointer_router.h"

#include "picker/picker_math.h"

namespace tintwell {

namespace {

bool contains(int left, int top, int width, int height, Point point) {
  return point.x >= left && point.x < left + width && point.y >= top && point.y < top + height;
}

}  // namespace

layout::SurfaceHandler surfaceHandler(const layout::ControlDesign& surface, MouseAction action) {
  switch (action) {
    case MouseAction::down:
      return surface.onMouseDown;
    case MouseAction::move:
      return surface.onMouseMove;
    case MouseAction::up:
      return surface.onMouseUp;
  }
  return nullptr;
}

layout::KeyHandler surfaceKeyHandler(const layout::ControlDesign& surface, int16_t keyCode,
                                     int16_t shift, bool buttonHeld) {
  if (buttonHeld || (shift & kShiftMask) != 0 || !surfaceKeyOf(keyCode)) return nullptr;
  return surface.onKeyDown;
}

PointerRouter::PointerRouter(const ControlPlaces& places) : places_(places) {
  for (const layout::ControlDesign* design : layout::paintingOrder()) {
    // Labels and pictures take pointer events; lines and the band do not.
    routes_.push_back(Route{design, design->kind == layout::ControlKind::label ||
                                        design->kind == layout::ControlKind::picture});
  }
}

// Controls that reach past the client edge are clipped there for the pointer
// as for painting.
const PointerRouter::Route* PointerRouter::hit(Point point) const {
  if (!contains(0, 0, layout::kClientWidth, layout::kClientHeight, point)) return nullptr;
  for (size_t order = routes_.size(); order-- > 0;) {
    if (!routes_[order].takesPointer) continue;
    const ControlPlace place = places_.place(order);
    if (place.visible && contains(place.left, place.top, place.width, place.height, point)) {
      return &routes_[order];
    }
  }
  return nullptr;
}

const layout::ControlDesign* PointerRouter::hitTest(Point point) const {
  const Route* route = hit(point);
  return route == nullptr ? nullptr : route->design;
}

// The window itself gets a move only where no label or picture lies.
PointerRouter::Handler PointerRouter::move(Point point) const {
  const Route* route = hit(point);
  return route == nullptr ? &frmColor::Form_MouseMove : route->design->onMove;
}

void PointerRouter::press(Point point) {
  pressed_ = hit(point);
}

// A click is a press and a release on the same control.
PointerRouter::Handler PointerRouter::release(Point point) {
  const Route* pressed = pressed_;
  pressed_ = nullptr;
  const Route* released = hit(point);
  if (released == nullptr || released != pressed) return nullptr;
  return released->design->onClick;
}

}  // namespace tintwell
