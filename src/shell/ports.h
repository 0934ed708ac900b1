#pragma once

// What the main window asks of the platform: one small interface per kind of
// control, plus a few services. The Win32 adapter implements them on real
// controls; the tests implement them in memory with the same event timing.

#include <cstdint>
#include <optional>
#include <string>

#include "core/mod_color.h"
#include "core/pixel_image.h"

namespace tintwell {

// Single-line text field. Texts are UTF-8.
class TextField {
 public:
  virtual ~TextField() = default;
  virtual std::string text() const = 0;
  // Raises the change event before returning, also when the text is
  // unchanged, as an EDIT control sends EN_CHANGE inside SetWindowText. The
  // maximum length limits typing and pasting, not this write.
  virtual void setText(const std::string& text) = 0;
  virtual int selStart() const = 0;  // caret position, in characters
  virtual void setSelStart(int position) = 0;
};

class Label {
 public:
  virtual ~Label() = default;
  virtual std::string caption() const = 0;
  virtual void setCaption(const std::string& caption) = 0;
  virtual void setForeColor(PackedColor color) = 0;
  virtual void setFontUnderline(bool underline) = 0;
};

// A windowless picture; positions in window pixels.
class Picture {
 public:
  virtual ~Picture() = default;
  virtual int left() const = 0;
  virtual int top() const = 0;
  virtual int width() const = 0;
  virtual void setLeft(int left) = 0;
  virtual void setTop(int top) = 0;
  virtual bool visible() const = 0;
  virtual void setVisible(bool visible) = 0;
};

// A pick-only drop-down list.
class DropDownList {
 public:
  virtual ~DropDownList() = default;
  virtual void clear() = 0;
  virtual void addItem(const std::string& item) = 0;
  virtual int listIndex() const = 0;  // -1 when nothing is selected
  virtual void setListIndex(int index) = 0;
};

class IntervalTimer {
 public:
  virtual ~IntervalTimer() = default;
  virtual bool enabled() const = 0;
  virtual void setEnabled(bool enabled) = 0;
};

// A drawing surface with a persistent image of its inner area. Drawing goes
// into image(); refresh() shows it. Each size reads in the unit the surface
// reports it in: the swatch's scale height is in twips, everything else in
// pixels.
class Surface {
 public:
  virtual ~Surface() = default;
  virtual PixelImage& image() = 0;
  virtual void refresh() = 0;
  virtual int left() const = 0;  // outer edges, window pixels
  virtual int top() const = 0;
  virtual int width() const = 0;
  virtual int height() const = 0;
  virtual int scaleWidth() const = 0;  // inner area, the surface's own unit
  virtual int scaleHeight() const = 0;
};

struct OuterRect {  // twips, screen coordinates, title bar and borders included
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual std::string caption() const = 0;
  virtual void setCaption(const std::string& caption) = 0;
  virtual int scaleWidth() const = 0;  // inner width, pixels
  virtual OuterRect outerRect() const = 0;
  // Lets every pending event (input, timer ticks) run once, then returns.
  virtual void doEvents() = 0;
  virtual void screenToClient(Point& point) const = 0;
};

// Opaque registry key; the values are the platform's handles. The root is a
// token: on 64-bit Windows the real HKEY_CURRENT_USER is this value
// sign-extended, so the adapter maps it rather than casting it.
using RegistryKey = uintptr_t;
inline constexpr RegistryKey kHkeyCurrentUser = 0x80000001u;
inline constexpr uint32_t kKeyQueryValue = 0x0001u;
inline constexpr uint32_t kKeySetValue = 0x0002u;
inline constexpr uint32_t kKeyCreateSubKey = 0x0004u;
inline constexpr uint32_t kRegBinary = 3u;

// The five advapi32 calls the settings store makes, with their status codes
// (0 success, otherwise the platform's error). Texts are UTF-8 here and are
// handed to the ANSI functions by the adapter.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual int32_t openKey(RegistryKey root, const std::string& path, uint32_t access,
                          RegistryKey& key) = 0;
  // size: in, the buffer's size; out, what the call reports.
  virtual int32_t queryValue(RegistryKey key, const std::string& name, uint8_t* data,
                             uint32_t& size) = 0;
  virtual int32_t createKey(RegistryKey root, const std::string& path, uint32_t access,
                            RegistryKey& key) = 0;
  virtual int32_t setValue(RegistryKey key, const std::string& name, uint32_t type,
                           const uint8_t* data, uint32_t size) = 0;
  virtual int32_t closeKey(RegistryKey key) = 0;
};

inline constexpr int kShowHidden = 0;

struct ShellRequest {
  const char* operation = nullptr;  // null: the target's default action
  std::string file;
  const char* parameters = nullptr;
  std::string directory;
  int showCommand = 0;
};

// The system clipboard's Unicode text, UTF-8 here.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Nothing when it holds no text or cannot be opened.
  virtual std::optional<std::string> text() = 0;
  // Replaces everything on it with the text; false when it could not.
  virtual bool setText(const std::string& text) = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;
  virtual bool getCursorPos(Point& point) = 0;  // screen pixels
  // One screen pixel through a private 1x1 bitmap; kInvalidColor when the
  // platform cannot read it.
  virtual PackedColor readScreenPixel(int32_t x, int32_t y) = 0;
  virtual void shellExecute(const ShellRequest& request) = 0;
  virtual Registry& registry() = 0;
  virtual Clipboard& clipboard() = 0;
};

}  // namespace tintwell
