#include <gtest/gtest.h>

#include <array>

#include "core/pixel_image.h"

namespace tintwell {
namespace {

// Each pixel holds a colour that names its own position.
PixelImage numbered(int width, int height) {
  PixelImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixel(x, y, packRgb(x, y, 7));
  }
  return image;
}

TEST(PixelImage, ReadsBackWhatWasWrittenAndDropsWritesOutside) {
  PixelImage image(3, 2);
  image.setPixel(2, 1, packRgb(1, 2, 3));
  EXPECT_EQ(image.pixel(2, 1), packRgb(1, 2, 3));
  EXPECT_EQ(image.pixel(0, 0), 0u);
  for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}}) {
    image.setPixel(x, y, packRgb(9, 9, 9));
    EXPECT_EQ(image.pixel(x, y), kInvalidColor);
  }
  EXPECT_EQ(image.pixel(2, 1), packRgb(1, 2, 3));
}

TEST(PixelImage, StoresPixelsAsADibWithBlueInTheLowByte) {
  PixelImage image(1, 1);
  image.setPixel(0, 0, packRgb(0x11, 0x22, 0x33));
  EXPECT_EQ(image.dibBits()[0], 0x112233u);
}

TEST(PixelImage, CopyClipsAtEveryEdge) {
  struct Row {
    const char* name;
    int dstX, dstY, width, height, srcX, srcY;
  };
  const Row rows[] = {
      {"destination past the right edge", 3, 0, 4, 2, 0, 0},
      {"destination above and left", -2, -1, 4, 3, 0, 0},
      {"source past the bottom", 0, 0, 2, 5, 1, 2},
      {"source left of the image", 2, 1, 3, 2, -1, 0},
      {"nothing in common", 10, 10, 2, 2, 0, 0},
      {"empty width", 0, 0, 0, 3, 1, 1},
      {"huge width", 1, 0, 2147483647, 1, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const PixelImage before = numbered(5, 4);
    PixelImage image = before;
    image.copyRect(row.dstX, row.dstY, row.width, row.height, row.srcX, row.srcY);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 5; ++x) {
        const int dx = x - row.dstX;
        const int dy = y - row.dstY;
        const int sx = row.srcX + dx;
        const int sy = row.srcY + dy;
        const bool copied = dx >= 0 && dy >= 0 && dx < row.width && dy < row.height && sx >= 0 &&
                            sy >= 0 && sx < 5 && sy < 4;
        EXPECT_EQ(image.pixel(x, y), copied ? before.pixel(sx, sy) : before.pixel(x, y))
            << "at " << x << "," << y;
      }
    }
  }
}

TEST(PixelImage, RowsOfBlocksRepeatEachSampleAndStopAtTheEdges) {
  const PackedColor a = packRgb(1, 1, 1);
  const PackedColor b = packRgb(2, 2, 2);
  const PackedColor samples[] = {a, b};
  struct Row {
    int y, step;
    std::array<PackedColor, 5> expected;  // of row y; other rows keep their pixels
  };
  const PixelImage before = numbered(5, 2);
  const PackedColor kept = before.pixel(4, 1);
  const Row rows[] = {{1, 2, {a, a, b, b, kept}},
                      {1, 3, {a, a, a, b, b}},
                      {1, 1, {a, b}},
                      {2, 2, {}},
                      {-1, 2, {}},
                      {1, 0, {}}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "row " << row.y << ", step " << row.step);
    PixelImage image = before;
    image.setRowOfBlocks(row.y, samples, row.step);
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 5; ++x) {
        const PackedColor written = y == row.y ? row.expected.at(static_cast<size_t>(x)) : 0;
        EXPECT_EQ(image.pixel(x, y), written != 0 ? written : before.pixel(x, y))
            << "at " << x << "," << y;
      }
    }
  }
}

TEST(PixelImage, OverlappingCopiesReadTheSourceAsItWasBefore) {
  struct Row {
    const char* name;
    int dstX, dstY, srcX, srcY;
  };
  const Row rows[] = {{"right", 1, 0, 0, 0}, {"left", 0, 0, 1, 0},     {"down", 0, 1, 0, 0},
                      {"up", 0, 0, 0, 1},    {"diagonal", 1, 1, 0, 0}, {"back", 0, 0, 1, 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const PixelImage before = numbered(6, 6);
    PixelImage image = before;
    image.copyRect(row.dstX, row.dstY, 4, 4, row.srcX, row.srcY);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(image.pixel(row.dstX + x, row.dstY + y),
                  before.pixel(row.srcX + x, row.srcY + y));
      }
    }
  }
}

}  // namespace
}  // namespace tintwell
