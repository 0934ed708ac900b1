#pragma once

// What the real window must show, taken from a headless twin of it that is
// given the same handler calls: its surfaces' images are the pixels the
// screen must hold, its fields the texts the real fields must read.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/color_state.h"
#include "core/pixel_image.h"
#include "fakes/headless_window.h"
#include "picker/picker_math.h"
#include "screen.h"
#include "session.h"

namespace tintwell::e2e {

// Where a surface draws, in the window's client coordinates: inside its border.
struct DrawingArea {
  std::string_view name;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
DrawingArea drawingArea(layout::Control surfaceId);

Rgb rgbOf(PackedColor color);

// The area of the shot against the image, pixel for pixel.
testing::AssertionResult showsImage(const Screenshot& shot, const DrawingArea& area,
                                    const PixelImage& image);

// Pixels of a drawing area, as (x, y) inside it.
using PixelSet = std::set<std::pair<int, int>>;
// Where the area of the shot differs from the image.
PixelSet differingPixels(const Screenshot& shot, const DrawingArea& area, const PixelImage& image);

// The image with the focus cue over it, as the system's focus rectangle is
// drawn: every second pixel of the outermost ones inverted.
PixelImage withFocusCue(PixelImage image);

// The marker's pixels around a point of the matrix, those inside it.
PixelSet ringAround(POINT centre);

// An arrow's picture where it points at a strip row, and every strip row at
// which the arrow's picture shows.
using Block = std::vector<Rgb>;
Block arrowPicture(const Screenshot& shot, layout::Control arrowId, int row);
std::vector<int> arrowRows(const Screenshot& shot, layout::Control arrowId, const Block& picture);

// Away from the marker every pixel of the matrix has the colour of its
// block's top-left corner, and neighbouring blocks differ somewhere: the
// blocks are exactly step pixels, cut short only by the matrix's edge.
testing::AssertionResult drawnInBlocks(const Screenshot& shot, int step, MatrixPoint marker);

// The texts the fields show for a colour state; the channels are derived
// from its HSV values first, as the refresh derives them.
FieldTexts fieldTextsFor(ColorState color);

class TwinWindowTest : public InputTest {
 protected:
  void SetUp() override;

  // The client area once matrix, strip and swatch show the twin's images
  // (or, after the reaction limit, as it is then).
  // The surface given, if any, shows the focus cue over the twin's image.
  Screenshot waitForTwinPicture(std::optional<layout::Control> cued = std::nullopt);
  testing::AssertionResult showsTwinSurfaces(const Screenshot& shot,
                                             std::optional<layout::Control> cued = std::nullopt);
  // Waits for the real fields to read the texts; names every field that did not.
  testing::AssertionResult fieldsRead(const FieldTexts& expected) const;
  // Empties the field as a user does (click, End, Backspaces) and types, in
  // the real window and in the twin alike.
  void typeInto(int index, std::string_view typed);

  fakes::HeadlessWindow twin_;
};

}  // namespace tintwell::e2e
