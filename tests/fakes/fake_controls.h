#pragma once

// In-memory controls that behave as the Win32 ones do where the main window
// depends on it: a text write raises the change event before it returns,
// pending events run only when the window processes them.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/ports.h"

namespace tintwell::fakes {

class FakeTextField : public TextField {
 public:
  explicit FakeTextField(int maxLength) : maxLength_(maxLength) {}

  std::string text() const override { return text_; }
  // Caret to 0, nothing selected, nothing to undo, as WM_SETTEXT leaves it;
  // a write that would change none of that is skipped, as the real field
  // skips it, but its change is raised all the same.
  void setText(const std::string& text) override;
  int selStart() const override { return selectionStart_; }
  void setSelStart(int position) override;

  // What a user does. Typing replaces the selection; a keystroke or a paste
  // that does not fit the maximum length is refused, or cut to fit.
  void type(const std::string& typed);
  void backspace();
  void deleteForward();
  void selectAll();
  void selectAllAndType(const std::string& typed);  // a paste over the whole text
  void cut(std::string& clipboard);
  void paste(const std::string& clipboard);
  void undo();

  // Whether the text is the user's rather than the program's last write.
  bool userText() const { return userText_; }

  std::function<void()> onChange;
  // Wine's field raises a change for a keystroke it refused; Windows' does not.
  bool refusalRaisesChange = false;
  int writeCount = 0;  // program writes, skipped ones included
  int skippedWrites = 0;

 private:
  int length() const;  // in characters
  std::string selected() const;
  // Replaces the selection by as much of the text as fits.
  void replaceSelection(const std::string& text);
  void edit(std::string text, int caret);
  void refuse();

  int maxLength_;
  std::string text_;
  int selectionStart_ = 0;
  int selectionEnd_ = 0;
  std::optional<std::string> undoText_;
  bool userText_ = false;
};

class FakeLabel : public Label {
 public:
  explicit FakeLabel(std::string caption = {}) : caption_(std::move(caption)) {}
  std::string caption() const override { return caption_; }
  void setCaption(const std::string& caption) override { caption_ = caption; }
  void setForeColor(PackedColor color) override { foreColor = color; }
  void setFontUnderline(bool underline) override { this->underline = underline; }

  PackedColor foreColor = 0;
  bool underline = false;

 private:
  std::string caption_;
};

class FakePicture : public Picture {
 public:
  FakePicture(int left, int top, int width) : left_(left), top_(top), width_(width) {}
  int left() const override { return left_; }
  int top() const override { return top_; }
  int width() const override { return width_; }
  void setLeft(int left) override { left_ = left; }
  void setTop(int top) override { top_ = top; }
  bool visible() const override { return visible_; }
  void setVisible(bool visible) override { visible_ = visible; }

 private:
  int left_;
  int top_;
  int width_;
  bool visible_ = true;
};

class FakeDropDownList : public DropDownList {
 public:
  void clear() override;
  void addItem(const std::string& item) override { items.push_back(item); }
  int listIndex() const override { return index_; }
  void setListIndex(int index) override;

  std::vector<std::string> items;

 private:
  int index_ = -1;
};

class FakeTimer : public IntervalTimer {
 public:
  explicit FakeTimer(bool enabled) : enabled_(enabled) {}
  bool enabled() const override { return enabled_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }

 private:
  bool enabled_;
};

struct SurfaceGeometry {
  int left = 0;
  int top = 0;
  int width = 0;  // outer, pixels
  int height = 0;
  int scaleWidth = 0;  // inner, the surface's own unit
  int scaleHeight = 0;
};

class FakeSurface : public Surface {
 public:
  // The image covers the inner area: outer size less the border on each side.
  explicit FakeSurface(const SurfaceGeometry& geometry);
  PixelImage& image() override { return image_; }
  void refresh() override { ++refreshCount; }
  int left() const override { return geometry_.left; }
  int top() const override { return geometry_.top; }
  int width() const override { return geometry_.width; }
  int height() const override { return geometry_.height; }
  int scaleWidth() const override { return geometry_.scaleWidth; }
  int scaleHeight() const override { return geometry_.scaleHeight; }

  int refreshCount = 0;

 private:
  SurfaceGeometry geometry_;
  PixelImage image_;
};

class FakeWindow : public FormWindow {
 public:
  std::string caption() const override { return caption_; }
  void setCaption(const std::string& caption) override { caption_ = caption; }
  int scaleWidth() const override { return innerWidth; }
  OuterRect outerRect() const override { return rect; }
  void doEvents() override;
  void screenToClient(Point& point) const override;

  // Queues an event (input, a tick) to run at the next doEvents.
  void post(std::function<void()> event) { pending.push_back(std::move(event)); }

  int innerWidth = 0;
  OuterRect rect;
  Point clientOrigin;  // the client area's top-left on the screen
  std::deque<std::function<void()>> pending;
  int doEventsCount = 0;

 private:
  std::string caption_ = "Form1";
  bool pumping_ = false;
};

class FakeClipboard : public Clipboard {
 public:
  std::optional<std::string> text() override { return contents; }
  bool setText(const std::string& text) override;

  std::optional<std::string> contents;
  bool writable = true;  // false: another program holds it open
  int writeCount = 0;
};

class FakePlatform : public Platform {
 public:
  explicit FakePlatform(Registry& registry) : registry_(registry) {}
  bool getCursorPos(Point& point) override;
  PackedColor readScreenPixel(int32_t x, int32_t y) override;
  void shellExecute(const ShellRequest& request) override { shellRequests.push_back(request); }
  Registry& registry() override { return registry_; }
  Clipboard& clipboard() override { return fakeClipboard; }

  FakeClipboard fakeClipboard;
  Point cursor;
  bool cursorReadable = true;
  std::function<PackedColor(int32_t, int32_t)> screen = [](int32_t, int32_t) {
    return PackedColor{0};
  };
  std::function<void()> duringScreenRead;  // runs inside a read, to test re-entry
  std::vector<Point> screenReads;
  std::vector<ShellRequest> shellRequests;

 private:
  Registry& registry_;
};

}  // namespace tintwell::fakes
