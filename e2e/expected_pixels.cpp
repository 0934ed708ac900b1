#include "expected_pixels.h"

#include <array>
#include <cstdlib>
#include <sstream>
#include <string>

#include "core/mod_color.h"
#include "core/packed_color.h"
#include "environment.h"
#include "fields/field_texts.h"
#include "input.h"
#include "picker/picker_math.h"
#include "shell/layout.h"

namespace tintwell::e2e {

namespace {

// Enough mismatches to see a pattern without drowning the log.
constexpr int kMismatchesListed = 8;

Block blockAt(const Screenshot& shot, int left, int top, int width, int height) {
  Block block;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) block.push_back(shot.pixel(x, y));
  }
  return block;
}

}  // namespace

Rgb rgbOf(PackedColor color) {
  return {static_cast<uint8_t>(redOf(color)), static_cast<uint8_t>(greenOf(color)),
          static_cast<uint8_t>(blueOf(color))};
}

DrawingArea drawingArea(layout::Control surfaceId) {
  const layout::ControlDesign& surface = *layout::findControl(surfaceId);
  const Box inner = layout::innerBox(surface);
  return {surface.name, inner.left, inner.top, inner.width(), inner.height()};
}

testing::AssertionResult showsImage(const Screenshot& shot, const DrawingArea& area,
                                    const PixelImage& image) {
  if (image.width() != area.width || image.height() != area.height) {
    return testing::AssertionFailure()
           << area.name << ": the image is " << image.width() << "x" << image.height()
           << ", the area " << area.width << "x" << area.height;
  }
  int mismatches = 0;
  std::ostringstream listed;
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      const Rgb expected = rgbOf(image.pixel(x, y));
      const Rgb shown = shot.pixel(area.left + x, area.top + y);
      if (shown == expected) continue;
      if (++mismatches <= kMismatchesListed) {
        listed << "\n  (" << x << ", " << y << ") shows " << shown << ", expected " << expected;
      }
    }
  }
  if (mismatches == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << area.name << ": " << mismatches << " pixels differ" << listed.str();
}

FieldTexts fieldTextsFor(ColorState color) {
  const PackedColor packed = convHSV2RGB(color.dHue, color.dSat, color.dVal);
  color.iRed = static_cast<int16_t>(redOf(packed));
  color.iGreen = static_cast<int16_t>(greenOf(packed));
  color.iBlue = static_cast<int16_t>(blueOf(packed));
  FieldTexts texts;
  for (int16_t index = 0; index < kFieldCount; ++index) {
    texts.at(static_cast<size_t>(index)) = fieldText(index, color);
  }
  return texts;
}

PixelSet differingPixels(const Screenshot& shot, const DrawingArea& area, const PixelImage& image) {
  PixelSet differing;
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) {
      if (shot.pixel(area.left + x, area.top + y) != rgbOf(image.pixel(x, y))) {
        differing.insert({x, y});
      }
    }
  }
  return differing;
}

PixelSet ringAround(POINT centre) {
  PixelSet ring;
  auto add = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < kSurfaceSide && y < kSurfaceSide) ring.insert({x, y});
  };
  for (const RingOffset& offset : kMarkerRing) add(centre.x + offset.dx, centre.y + offset.dy);
  return ring;
}

Block arrowPicture(const Screenshot& shot, layout::Control arrowId, int row) {
  const layout::ControlDesign& arrow = *layout::findControl(arrowId);
  const int top = layout::arrowTop(layout::findControl(layout::Control::imgVertical)->top, row);
  return blockAt(shot, arrow.left, top, arrow.width, arrow.height);
}

std::vector<int> arrowRows(const Screenshot& shot, layout::Control arrowId, const Block& picture) {
  std::vector<int> rows;
  for (int row = 0; row < kSurfaceSide; ++row) {
    if (arrowPicture(shot, arrowId, row) == picture) rows.push_back(row);
  }
  return rows;
}

testing::AssertionResult drawnInBlocks(const Screenshot& shot, int step, MatrixPoint marker) {
  const DrawingArea matrix = drawingArea(layout::Control::imgMatrix);
  auto at = [&](int x, int y) { return shot.pixel(matrix.left + x, matrix.top + y); };
  auto nearMarker = [&](int x, int y) {
    return std::abs(x - marker.x) <= kMarkerRadius && std::abs(y - marker.y) <= kMarkerRadius;
  };
  for (int y = 0; y < kSurfaceSide; ++y) {
    for (int x = 0; x < kSurfaceSide; ++x) {
      const int cornerX = x - x % step;
      const int cornerY = y - y % step;
      if (nearMarker(x, y) || nearMarker(cornerX, cornerY)) continue;
      if (at(x, y) != at(cornerX, cornerY)) {
        return testing::AssertionFailure()
               << "(" << x << ", " << y << ") differs from its block's corner";
      }
    }
  }
  for (int edge = step; edge < kSurfaceSide; edge += step) {
    bool columnsDiffer = false;
    bool rowsDiffer = false;
    for (int along = 0; along < kSurfaceSide; ++along) {
      if (!nearMarker(edge, along) && !nearMarker(edge - 1, along)) {
        columnsDiffer = columnsDiffer || at(edge, along) != at(edge - 1, along);
      }
      if (!nearMarker(along, edge) && !nearMarker(along, edge - 1)) {
        rowsDiffer = rowsDiffer || at(along, edge) != at(along, edge - 1);
      }
    }
    if (!columnsDiffer || !rowsDiffer) {
      return testing::AssertionFailure() << "no block edge between " << edge - 1 << " and " << edge;
    }
  }
  return testing::AssertionSuccess();
}

void TwinWindowTest::SetUp() {
  InputTest::SetUp();
  if (HasFatalFailure()) return;
  twin_.start();
}

PixelImage withFocusCue(PixelImage image) {
  const int right = image.width() - 1;
  const int bottom = image.height() - 1;
  for (int y = 0; y <= bottom; ++y) {
    for (int x = 0; x <= right; ++x) {
      const bool outermost = x == 0 || y == 0 || x == right || y == bottom;
      if (outermost && (x + y) % 2 == 1) image.setPixel(x, y, image.pixel(x, y) ^ 0xFFFFFFu);
    }
  }
  return image;
}

testing::AssertionResult TwinWindowTest::showsTwinSurfaces(const Screenshot& shot,
                                                           std::optional<layout::Control> cued) {
  for (const layout::Control surface :
       {layout::Control::imgMatrix, layout::Control::imgVertical, layout::Control::imgCurColor}) {
    const PixelImage& image = surface == layout::Control::imgMatrix     ? twin_.imgMatrix.image()
                              : surface == layout::Control::imgVertical ? twin_.imgVertical.image()
                                                                        : twin_.imgCurColor.image();
    testing::AssertionResult shown =
        showsImage(shot, drawingArea(surface), cued == surface ? withFocusCue(image) : image);
    if (!shown) return shown;
  }
  return testing::AssertionSuccess();
}

Screenshot TwinWindowTest::waitForTwinPicture(std::optional<layout::Control> cued) {
  return waitForClientPicture(
      [&](const Screenshot& shot) { return static_cast<bool>(showsTwinSurfaces(shot, cued)); });
}

void TwinWindowTest::typeInto(int index, std::string_view typed) {
  clearField(field(index));
  if (HasFatalFailure()) return;
  typeText(typed);

  twin_.focusField(index);
  fakes::FakeTextField& twinField = *twin_.fields.at(static_cast<size_t>(index));
  twinField.setSelStart(static_cast<int>(twinField.text().size()));
  while (!twinField.text().empty()) twinField.backspace();
  twinField.type(std::string(typed));
}

testing::AssertionResult TwinWindowTest::fieldsRead(const FieldTexts& expected) const {
  FieldTexts shown;
  const bool read = waitUntil(
      [&] {
        shown = fieldTexts();
        return shown == expected;
      },
      kReactionLimit);
  if (read) return testing::AssertionSuccess();
  testing::AssertionResult failure = testing::AssertionFailure();
  for (size_t index = 0; index < expected.size(); ++index) {
    if (shown.at(index) == expected.at(index)) continue;
    failure << "\n  txtInp(" << index << ") reads \"" << shown.at(index) << "\", expected \""
            << expected.at(index) << "\"";
  }
  return failure;
}

}  // namespace tintwell::e2e
