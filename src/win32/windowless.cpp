#include "win32/windowless.h"

#include <stdexcept>

#include "win32/resource.h"
#include "win32/text.h"

namespace tintwell::win32 {

namespace {

// The colour the keyed pictures leave unpainted.
constexpr COLORREF kTransparentKey = RGB(255, 0, 255);

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

void FilledRectangle::paint(HDC target) const {
  const RECT area = bounds();
  const Brush brush(CreateSolidBrush(colorOf(design().backColor)));
  FillRect(target, &area, brush.get());
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
// keeps the edge it is aligned to: a right-aligned one grows to the left.
void WindowlessLabel::fitToText() {
  if (!design().autoSize) return;
  const MemoryDc measure(nullptr);
  const SelectedObject font(measure.get(), layer().font(design().font, underline_));
  const std::wstring text = toWide(caption_);
  SIZE extent{};
  GetTextExtentPoint32W(measure.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  TEXTMETRICW metrics{};
  GetTextMetricsW(measure.get(), &metrics);
  const bool right = design().alignment == layout::Alignment::right;
  place(right ? left_ + width_ - extent.cx : left_, top_, extent.cx, metrics.tmHeight);
}

void WindowlessLabel::paint(HDC target) const {
  RECT area = bounds();
  const Brush back(CreateSolidBrush(colorOf(design().backColor)));
  FillRect(target, &area, back.get());
  const SelectedObject font(target, layer().font(design().font, underline_));
  SetBkMode(target, TRANSPARENT);
  SetTextColor(target, foreColor_ ? *foreColor_ : colorOf(design().foreColor));
  const UINT alignment = design().alignment == layout::Alignment::right ? DT_RIGHT : DT_LEFT;
  std::wstring text = toWide(caption_);
  DrawTextW(target, text.data(), static_cast<int>(text.size()), &area,
            alignment | DT_WORDBREAK | DT_NOPREFIX);
}

// ---- WindowlessPicture -------------------------------------------------

WindowlessPicture::WindowlessPicture(WindowlessLayer& layer, const layout::ControlDesign& design)
    : WindowlessControl(layer, design), keyed_(false) {
  if (const ArtResource* resource = resourceOf(design.art)) {
    art_ = Bitmap(
        static_cast<HBITMAP>(LoadImageW(layer.instance(), MAKEINTRESOURCEW(resource->resourceId),
                                        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    keyed_ = resource->keyed;
  }
}

void WindowlessPicture::paint(HDC target) const {
  if (art_.get() == nullptr) return;
  const MemoryDc source(target);
  const SelectedObject selected(source.get(), art_.get());
  if (keyed_) {
    TransparentBlt(target, left_, top_, width_, height_, source.get(), 0, 0, width_, height_,
                   kTransparentKey);
  } else {
    BitBlt(target, left_, top_, width_, height_, source.get(), 0, 0, SRCCOPY);
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

WindowlessControl& WindowlessLayer::find(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->design().name == name) return *control;
  }
  throw std::logic_error("no windowless control of that name");
}

WindowlessLabel& WindowlessLayer::label(std::string_view name) {
  return dynamic_cast<WindowlessLabel&>(find(name));
}

WindowlessPicture& WindowlessLayer::picture(std::string_view name) {
  return dynamic_cast<WindowlessPicture&>(find(name));
}

void WindowlessLayer::paint(HDC target, const RECT& area) const {
  for (const auto& control : controls_) {
    RECT overlap{};
    const RECT bounds = control->bounds();
    if (control->isVisible() && IntersectRect(&overlap, &bounds, &area)) control->paint(target);
  }
}

ControlPlace WindowlessLayer::place(size_t order) const {
  const WindowlessControl& control = *controls_.at(order);
  const RECT area = control.bounds();
  return ControlPlace{area.left, area.top, area.right - area.left, area.bottom - area.top,
                      control.isVisible()};
}

void WindowlessLayer::invalidate(const RECT& area) const {
  if (host_ != nullptr) InvalidateRect(host_, &area, FALSE);
}

}  // namespace tintwell::win32
