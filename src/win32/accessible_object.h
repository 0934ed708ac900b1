#pragma once

// The objects a screen reader reads the window through: one for the
// window's client area, listing the windowless controls as its own
// children, and one for each windowed control. What the system's own object
// of the window knows (state, navigation) comes from it; names, roles,
// values and default actions come from the window's controls.

#include <oleacc.h>
#include <windows.h>

#include <memory>
#include <optional>

#include "shell/accessible.h"
#include "win32/accessibility_runtime.h"

namespace tintwell::win32 {

// What the window tells its objects.
// A value field's text is read for a reader that asks; when the window looks
// for changes to announce it is not, as the field announces its own.
enum class FieldText { read, leftOut };

class AccessibleControls {
 public:
  // nullopt before the window's run has begun or once it has ended.
  virtual std::optional<accessible::Facts> factsOf(const accessible::AccessibleDesign& design,
                                                   FieldText fieldText) const = 0;
  // The window of a windowed control.
  virtual HWND windowOf(const accessible::AccessibleDesign& design) const = 0;
  // Where a windowless control is on the screen.
  virtual RECT screenPlaceOf(const accessible::AccessibleDesign& design) const = 0;
  // Does later what a click on the control does.
  virtual void doDefaultAction(const accessible::AccessibleDesign& design) = 0;

 protected:
  ~AccessibleControls() = default;
};

// Shared by the window and every object it handed out: the window clears it
// as it goes, and an object a reader still holds then answers that it is
// no longer connected.
struct AccessibleLink {
  AccessibleControls* controls = nullptr;
  const AccessibilityRuntime* runtime = nullptr;
};

// The object of a windowed control, or of the window's client area when
// design is nullptr; the caller owns the one reference. nullptr when the
// system has no object of its own for the window.
IAccessible* makeAccessibleObject(const std::shared_ptr<const AccessibleLink>& link, HWND window,
                                  const accessible::AccessibleDesign* design);

// The child of the window's client object a windowless control is: the
// windowed controls come first, in tab order.
LONG windowlessChildId(const accessible::AccessibleDesign& design);

}  // namespace tintwell::win32
