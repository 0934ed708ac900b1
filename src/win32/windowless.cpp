#include "win32/windowless.h"

#include <stdexcept>
#include <utility>

#include "win32/dpi.h"
#include "win32/picture_scales.h"
#include "win32/resource.h"
#include "win32/surface.h"
#include "win32/text.h"

namespace tintwell::win32 {

namespace {

// The colour the keyed pictures leave unpainted, as a COLORREF and as a
// pixel of a 32-bit DIB (the same bits: red and blue trade places).
constexpr COLORREF kTransparentKey = RGB(255, 0, 255);
constexpr uint32_t kTransparentPixel = 0x00FF00FFu;
// A 32-bit DIB's top byte is unused: whatever GetDIBits leaves there is not
// part of the colour.
constexpr uint32_t kColorBits = 0x00FFFFFFu;

struct ArtResource {
  layout::Art art;
  int resourceId;
  bool keyed;
};

constexpr ArtResource kArtResources[] = {
    {layout::Art::flagEnglish, IDB_FLAG_ENGLISH, false},
    {layout::Art::flagHungarian, IDB_FLAG_HUNGARIAN, false},
    {layout::Art::flagEnglishPale, IDB_FLAG_ENGLISH_PALE, false},
    {layout::Art::flagHungarianPale, IDB_FLAG_HUNGARIAN_PALE, false},
    {layout::Art::arrowLeft, IDB_ARROW_LEFT, true},
    {layout::Art::arrowRight, IDB_ARROW_RIGHT, true},
    {layout::Art::eyedropper, IDB_EYEDROPPER, true},
    {layout::Art::makerLogo, IDB_MAKER_LOGO, false},
};

const ArtResource* resourceOf(layout::Art art) {
  for (const ArtResource& resource : kArtResources) {
    if (resource.art == art) return &resource;
  }
  return nullptr;
}

RECT unionOf(const RECT& a, const RECT& b) {
  RECT both{};
  UnionRect(&both, &a, &b);
  return both;
}

}  // namespace

COLORREF colorOf(const layout::ColorDesign& color) {
  switch (color.role) {
    case layout::ColorRole::buttonFace:
      return GetSysColor(COLOR_BTNFACE);
    case layout::ColorRole::buttonText:
      return GetSysColor(COLOR_BTNTEXT);
    case layout::ColorRole::buttonShadow:
      return GetSysColor(COLOR_BTNSHADOW);
    case layout::ColorRole::window:
      return GetSysColor(COLOR_WINDOW);
    case layout::ColorRole::fixed:
      break;
  }
  return color.rgb;
}

// ---- WindowlessControl -------------------------------------------------

WindowlessControl::WindowlessControl(WindowlessLayer& layer, const layout::ControlDesign& design)
    : left_(design.left),
      top_(design.top),
      width_(design.width),
      height_(design.height),
      layer_(layer),
      design_(design) {}

RECT WindowlessControl::bounds() const {
  return RECT{left_, top_, left_ + width_, top_ + height_};
}

RECT WindowlessControl::shownBounds() const {
  const Box shown = layer_.scale().toPhysical(Box{left_, top_, left_ + width_, top_ + height_});
  return RECT{shown.left, shown.top, shown.right, shown.bottom};
}

void WindowlessControl::place(int left, int top, int width, int height) {
  // The strip puts its arrows in place on every redraw, mostly where they are.
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const RECT before = bounds();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (visible_) layer_.invalidate(unionOf(before, bounds()));
}

void WindowlessControl::show(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  repaint();
}

void WindowlessControl::repaint() const {
  layer_.invalidate(bounds());
}

void FilledRectangle::paint(const PaintBuffer& target) const {
  const RECT area = shownBounds();
  const Brush brush(CreateSolidBrush(colorOf(design().backColor)));
  FillRect(target.dc, &area, brush.get());
}

// ---- WindowlessLabel ---------------------------------------------------

WindowlessLabel::WindowlessLabel(WindowlessLayer& layer, const layout::ControlDesign& design)
    : WindowlessControl(layer, design), caption_(design.caption) {
  fitToText();
}

void WindowlessLabel::setCaption(const std::string& caption) {
  caption_ = caption;
  repaint();
  fitToText();
}

void WindowlessLabel::setForeColor(PackedColor color) {
  foreColor_ = color;
  repaint();
}

void WindowlessLabel::setFontUnderline(bool underline) {
  underline_ = underline;
  repaint();
}

// A label that sizes itself takes the extent of its text in its own font and
// keeps the edge it is aligned to: a right-aligned one grows to the left. At
// another scale it takes the fewest designed pixels whose shown place holds
// the text.
void WindowlessLabel::fitToText() {
  if (!design().autoSize) return;
  const MemoryDc measure(nullptr);
  const SelectedObject font(measure.get(), layer().font(design().font, underline_));
  const std::wstring text = toWide(caption_);
  SIZE extent{};
  GetTextExtentPoint32W(measure.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(measure.get(), &metrics);
  const DisplayScale& scale = layer().scale();
  const auto designedSpan = [&scale](int from, int shownLength) {
    return shownLength <= 0 ? 0
                            : scale.toDesigned(scale.toPhysical(from) + shownLength - 1) + 1 - from;
  };
  const int height = designedSpan(top_, metrics.tmHeight);
  if (design().alignment == layout::Alignment::right) {
    const int right = left_ + width_;
    const int left = extent.cx <= 0 ? right : scale.toDesigned(scale.toPhysical(right) - extent.cx);
    place(left, top_, right - left, height);
  } else {
    place(left_, top_, designedSpan(left_, extent.cx), height);
  }
}

void WindowlessLabel::paint(const PaintBuffer& target) const {
  RECT area = shownBounds();
  const Brush back(CreateSolidBrush(colorOf(design().backColor)));
  FillRect(target.dc, &area, back.get());
  const SelectedObject font(target.dc, layer().font(design().font, underline_));
  SetBkMode(target.dc, TRANSPARENT);
  SetTextColor(target.dc, foreColor_ ? *foreColor_ : colorOf(design().foreColor));
  const UINT alignment = design().alignment == layout::Alignment::right ? DT_RIGHT : DT_LEFT;
  std::wstring text = toWide(caption_);
  DrawTextW(target.dc, text.data(), static_cast<int>(text.size()), &area,
            alignment | DT_WORDBREAK | DT_NOPREFIX);
}

// ---- WindowlessPicture -------------------------------------------------

WindowlessPicture::WindowlessPicture(WindowlessLayer& layer, const layout::ControlDesign& design)
    : WindowlessControl(layer, design) {
  rescale();
}

// The drawing made for the nearest scale, not the 100 % one stretched.
void WindowlessPicture::rescale() {
  const ArtResource* resource = resourceOf(design().art);
  if (resource == nullptr) return;
  const int id =
      resource->resourceId + kBitmapScaleIdStep * pictureScaleIndex(layer().scale().dpi());
  // Kept as drawn (a DIB): a bitmap like the screen's asks the system for the
  // display's depth at every paint that selects it.
  art_ = Bitmap(static_cast<HBITMAP>(LoadImageW(layer().instance(), MAKEINTRESOURCEW(id),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info{};
  artSize_ = GetObjectW(art_.get(), sizeof info, &info) != 0 ? SIZE{info.bmWidth, info.bmHeight}
                                                             : SIZE{width_, height_};
  keyed_ = resource->keyed;
  keyedPixels_.clear();
  if (!keyed_ || art_.get() == nullptr) return;
  // The keyed drawings are laid over the buffer pixel by pixel: the system's
  // keyed copy costs more than all else a moved strip arrow repaints.
  keyedPixels_.resize(static_cast<size_t>(artSize_.cx) * static_cast<size_t>(artSize_.cy));
  BITMAPINFO format = topDownPixels(artSize_.cx, artSize_.cy);
  const MemoryDc reader(nullptr);
  if (GetDIBits(reader.get(), art_.get(), 0, static_cast<UINT>(artSize_.cy), keyedPixels_.data(),
                &format, DIB_RGB_COLORS) != artSize_.cy) {
    keyedPixels_.clear();
  }
}

// Where the place shown differs from the drawing by a pixel or so (scales
// between those drawn, or edges rounded apart), the nearest pixels fill it.
void WindowlessPicture::paint(const PaintBuffer& target) const {
  if (art_.get() == nullptr) return;
  const RECT area = shownBounds();
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (keyed_ && !keyedPixels_.empty() && target.pixels != nullptr && width == artSize_.cx &&
      height == artSize_.cy) {
    paintKeyed(target, area);
    return;
  }
  const MemoryDc source(target.dc);
  const SelectedObject selected(source.get(), art_.get());
  if (keyed_) {
    // gdi32's own, which msimg32's only forwards to: one library fewer to load at start.
    GdiTransparentBlt(target.dc, area.left, area.top, width, height, source.get(), 0, 0,
                      artSize_.cx, artSize_.cy, kTransparentKey);
  } else if (width == artSize_.cx && height == artSize_.cy) {
    BitBlt(target.dc, area.left, area.top, width, height, source.get(), 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(target.dc, COLORONCOLOR);
    StretchBlt(target.dc, area.left, area.top, width, height, source.get(), 0, 0, artSize_.cx,
               artSize_.cy, SRCCOPY);
  }
}

// Every pixel of the drawing but the key's, where the buffer holds it: what
// the keyed copy leaves at the drawing's own size.
void WindowlessPicture::paintKeyed(const PaintBuffer& target, const RECT& area) const {
  RECT shown{};
  if (!IntersectRect(&shown, &area, &target.area)) return;
  GdiFlush();  // what GDI drew before lies beneath
  for (int y = shown.top; y < shown.bottom; ++y) {
    const uint32_t* from = keyedPixels_.data() + static_cast<ptrdiff_t>(y - area.top) * artSize_.cx;
    uint32_t* to = target.pixels + static_cast<ptrdiff_t>(y - target.area.top) * target.stride;
    for (int x = shown.left; x < shown.right; ++x) {
      const uint32_t pixel = from[x - area.left] & kColorBits;
      if (pixel != kTransparentPixel) to[x - target.area.left] = pixel;
    }
  }
}

// ---- WindowlessLayer ---------------------------------------------------

WindowlessLayer::WindowlessLayer(HINSTANCE instance, FontCache& fonts)
    : instance_(instance), fonts_(fonts) {
  for (const layout::ControlDesign* design : layout::paintingOrder()) {
    switch (design->kind) {
      case layout::ControlKind::label:
        controls_.push_back(std::make_unique<WindowlessLabel>(*this, *design));
        break;
      case layout::ControlKind::picture:
        controls_.push_back(std::make_unique<WindowlessPicture>(*this, *design));
        break;
      default:
        controls_.push_back(std::make_unique<FilledRectangle>(*this, *design));
        break;
    }
  }
}

WindowlessControl& WindowlessLayer::find(layout::Control id) const {
  for (const auto& control : controls_) {
    if (control->design().id == id) return *control;
  }
  throw std::logic_error("no windowless control of that identity");
}

WindowlessLabel& WindowlessLayer::label(layout::Control id) {
  return dynamic_cast<WindowlessLabel&>(find(id));
}

WindowlessPicture& WindowlessLayer::picture(layout::Control id) {
  return dynamic_cast<WindowlessPicture&>(find(id));
}

void WindowlessLayer::setScale(const DisplayScale& scale) {
  scale_ = scale;
  for (const auto& control : controls_) control->rescale();
  if (host_ != nullptr) InvalidateRect(host_, nullptr, FALSE);
}

void WindowlessLayer::paint(const PaintBuffer& target) const {
  for (const auto& control : controls_) {
    RECT overlap{};
    const RECT bounds = control->shownBounds();
    if (control->isVisible() && IntersectRect(&overlap, &bounds, &target.area)) {
      control->paint(target);
    }
  }
}

ControlPlace WindowlessLayer::place(size_t order) const {
  const WindowlessControl& control = *controls_.at(order);
  const RECT area = control.bounds();
  return ControlPlace{area.left, area.top, area.right - area.left, area.bottom - area.top,
                      control.isVisible()};
}

void WindowlessLayer::invalidate(const RECT& designedArea) {
  if (host_ == nullptr) return;
  const Box shown = scale_.toPhysical(
      Box{designedArea.left, designedArea.top, designedArea.right, designedArea.bottom});
  const RECT area{shown.left, shown.top, shown.right, shown.bottom};
  if (holding_) {
    UnionRect(&held_, &held_, &area);
  } else {
    InvalidateRect(host_, &area, FALSE);
  }
}

RECT WindowlessLayer::releaseRepaints() {
  holding_ = false;
  return std::exchange(held_, RECT{});
}

}  // namespace tintwell::win32
