#include <gtest/gtest.h>

#include <random>

#include "view/surface.hpp"

namespace zaptrail::testing {
namespace {

// The raster operations pixel by pixel, as plainly as they can be written: the fast block
// fills and row copies of the surface must give exactly these pictures.
struct Rectangle {
  int32_t x, y, width, height;
};

bool Inside(const PixelSurface& picture, int32_t x, int32_t y) {
  return x >= 0 && y >= 0 && x < picture.Width() && y < picture.Height();
}

void ReferenceFill(PixelSurface& picture, const Rectangle& r, uint32_t colour) {
  for (int32_t y = r.y; y < r.y + r.height; ++y) {
    for (int32_t x = r.x; x < r.x + r.width; ++x) picture.SetPixel(x, y, colour);
  }
}

void ReferenceCopy(PixelSurface& picture, const Rectangle& r, const PixelSurface& source,
                   int32_t sourceX, int32_t sourceY, bool orCopy) {
  for (int32_t j = 0; j < r.height; ++j) {
    for (int32_t i = 0; i < r.width; ++i) {
      const int32_t x = r.x + i;
      const int32_t y = r.y + j;
      if (!Inside(picture, x, y) || !Inside(source, sourceX + i, sourceY + j)) continue;
      const uint32_t from = source.Pixel(sourceX + i, sourceY + j);
      picture.SetPixel(x, y, orCopy ? from | picture.Pixel(x, y) : from);
    }
  }
}

// A picture whose every pixel differs, so that a misplaced pixel always shows.
PixelSurface Numbered(int32_t width, int32_t height, uint32_t salt) {
  PixelSurface picture(width, height);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      picture.SetPixel(x, y,
                       0xFF000000u | (salt + static_cast<uint32_t>(y * width + x)) * 2654435761u);
    }
  }
  return picture;
}

bool SamePixels(const PixelSurface& a, const PixelSurface& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() &&
         std::equal(a.Pixels(), a.Pixels() + a.Width() * a.Height(), b.Pixels());
}

// Rectangles from well outside to well beyond a 240 x 224 field, whole tiles and glyphs
// among them, and the field itself.
std::vector<Rectangle> Rectangles() {
  std::vector<Rectangle> rectangles = {{0, 0, 240, 224},   {-5, -5, 300, 300}, {0, 0, 0, 10},
                                       {3, 3, -4, 5},      {239, 223, 16, 16}, {-15, 100, 16, 16},
                                       {100, -15, 16, 16}, {232, 216, 8, 8},   {0, 10, 240, 1},
                                       {240, 0, 16, 16},   {0, 224, 16, 16},   {17, 5, 1, 1}};
  std::mt19937 generator(7);
  std::uniform_int_distribution<int32_t> position(-40, 260);
  std::uniform_int_distribution<int32_t> size(-2, 70);
  for (int32_t i = 0; i < 300; ++i) {
    rectangles.push_back(
        {position(generator), position(generator), size(generator), size(generator)});
    rectangles.push_back({position(generator) / 16 * 16, position(generator) / 16 * 16, 16, 16});
  }
  return rectangles;
}

TEST(Surface, FillsMatchThePixelByPixelFill) {
  const PixelSurface field = Numbered(240, 224, 1);
  PixelSurface fast;
  PixelSurface plain;
  for (const Rectangle& r : Rectangles()) {
    fast = field;
    plain = field;
    fast.Fill(r.x, r.y, r.width, r.height, 0xFF123456u);
    ReferenceFill(plain, r, 0xFF123456u);
    ASSERT_TRUE(SamePixels(fast, plain)) << r.x << ' ' << r.y << ' ' << r.width << ' ' << r.height;
  }
}

TEST(Surface, CopiesMatchThePixelByPixelCopyAtEveryEdge) {
  const PixelSurface field = Numbered(240, 224, 1);
  const PixelSurface sheet = Numbered(256, 256, 99);
  std::mt19937 generator(11);
  std::uniform_int_distribution<int32_t> sourcePosition(-20, 260);
  PixelSurface fast;
  PixelSurface plain;
  for (const Rectangle& r : Rectangles()) {
    const int32_t sourceX = sourcePosition(generator);
    const int32_t sourceY = sourcePosition(generator);
    for (const bool orCopy : {false, true}) {
      fast = field;
      plain = field;
      if (orCopy) {
        fast.OrCopy(r.x, r.y, r.width, r.height, sheet, sourceX, sourceY);
      } else {
        fast.Copy(r.x, r.y, r.width, r.height, sheet, sourceX, sourceY);
      }
      ReferenceCopy(plain, r, sheet, sourceX, sourceY, orCopy);
      ASSERT_TRUE(SamePixels(fast, plain))
          << r.x << ' ' << r.y << ' ' << r.width << ' ' << r.height << " from " << sourceX << ' '
          << sourceY << (orCopy ? " or" : "");
    }
  }
}

TEST(Surface, ResetGivesAFreshBlackPictureAndResizeKeepsAnUnchangedOne) {
  PixelSurface picture = Numbered(240, 224, 3);
  const PixelSurface numbered = picture;
  picture.Resize(240, 224);
  EXPECT_TRUE(SamePixels(picture, numbered));
  picture.Reset(240, 224);
  EXPECT_TRUE(SamePixels(picture, PixelSurface(240, 224)));
  EXPECT_EQ(picture.Pixel(239, 223), kBlack);
  picture.Resize(64, 64);
  EXPECT_EQ(picture.Width(), 64);
  EXPECT_EQ(picture.Pixel(63, 63), kBlack);
}

}  // namespace
}  // namespace zaptrail::testing
