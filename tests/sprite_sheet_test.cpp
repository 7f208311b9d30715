// Layout rules of the built-in sprite sheet that the game's drawing code relies on.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "view/sprite_sheet_data.hpp"

namespace zaptrail {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kMauve = 0x9C72A9;  // (156, 114, 169)
constexpr int32_t kTile = 16;
constexpr int32_t kGlyph = 8;
constexpr int32_t kFontTop = 128;

// The sheet's palette indices, expanded from their runs.
const std::vector<uint8_t>& Indices() {
  static const std::vector<uint8_t> indices = [] {
    std::vector<uint8_t> expanded;
    for (int32_t at = 0; at + 1 < kSheetRunsSize; at += 2) {
      expanded.insert(expanded.end(), kSheetRuns[at], kSheetRuns[at + 1]);
    }
    return expanded;
  }();
  return indices;
}

uint32_t Pixel(int32_t x, int32_t y) {
  return kSheetPalette[Indices().at(static_cast<size_t>(y * kSheetSize + x))];
}

uint32_t TilePixel(int32_t code, int32_t x, int32_t y) {
  return Pixel((code % 16) * kTile + x, (code / 16) * kTile + y);
}

bool GlyphInk(int32_t code, int32_t x, int32_t y) {
  return Pixel((code % 16) * kGlyph + x, kFontTop + (code / 16) * kGlyph + y) != kBlack;
}

std::vector<uint32_t> TilePixels(int32_t code) {
  std::vector<uint32_t> pixels;
  for (int32_t y = 0; y < kTile; ++y) {
    for (int32_t x = 0; x < kTile; ++x) pixels.push_back(TilePixel(code, x, y));
  }
  return pixels;
}

bool AllBlack(int32_t code) {
  for (const uint32_t pixel : TilePixels(code)) {
    if (pixel != kBlack) return false;
  }
  return true;
}

void ExpectPairwiseDistinct(int32_t first, int32_t last) {
  for (int32_t a = first; a <= last; ++a) {
    for (int32_t b = a + 1; b <= last; ++b) {
      EXPECT_NE(TilePixels(a), TilePixels(b)) << "tiles " << a << " and " << b << " are identical";
    }
  }
}

TEST(SheetPalette, WhiteFirstBlackLastAllDistinct) {
  ASSERT_GE(kSheetPaletteSize, 2);
  ASSERT_LE(kSheetPaletteSize, 66);
  EXPECT_EQ(kSheetPalette[0], kWhite);
  EXPECT_EQ(kSheetPalette[kSheetPaletteSize - 1], kBlack);
  const std::set<uint32_t> distinct(kSheetPalette, kSheetPalette + kSheetPaletteSize);
  EXPECT_EQ(static_cast<int32_t>(distinct.size()), kSheetPaletteSize);
  ASSERT_EQ(kSheetRunsSize % 2, 0) << "a run without its index";
  for (int32_t at = 0; at < kSheetRunsSize; at += 2) {
    ASSERT_GT(kSheetRuns[at], 0) << "run " << at / 2 << " is empty";
    ASSERT_LT(kSheetRuns[at + 1], kSheetPaletteSize)
        << "run " << at / 2 << " indexes past the palette";
  }
  // Every pixel of the sheet, and no more.
  EXPECT_EQ(Indices().size(), static_cast<size_t>(kSheetSize * kSheetSize));
}

TEST(SheetTiles, FloorIsBlackAndEveryDrawnTileHasArt) {
  EXPECT_TRUE(AllBlack(0));
  for (int32_t code = 1; code <= 76; ++code) EXPECT_FALSE(AllBlack(code)) << "tile " << code;
  for (const int32_t code : {80, 112, 113, 114, 120, 121}) {
    EXPECT_FALSE(AllBlack(code)) << "tile " << code;
  }
}

TEST(SheetTiles, WallsChickAndGoalFramesAreDistinct) {
  ExpectPairwiseDistinct(1, 63);   // one wall per level
  ExpectPairwiseDistinct(64, 76);  // chick frames and the collapsed chick
  ExpectPairwiseDistinct(112, 114);
}

TEST(SheetTiles, CloudOnMauveMatchesCloudOnBlack) {
  bool has_cloud = false;
  for (int32_t y = 0; y < kTile; ++y) {
    for (int32_t x = 0; x < kTile; ++x) {
      const uint32_t on_black = TilePixel(120, x, y);
      if (y >= kTile / 2) {
        EXPECT_EQ(on_black, kBlack) << "tile 120 lower half at " << x << "," << y;
      }
      if (on_black == kBlack) {
        EXPECT_EQ(TilePixel(121, x, y), kMauve) << "tile 121 ground at " << x << "," << y;
      } else {
        has_cloud = true;
        EXPECT_EQ(TilePixel(121, x, y), on_black) << "tile 121 cloud at " << x << "," << y;
      }
    }
  }
  EXPECT_TRUE(has_cloud);
}

TEST(SheetFont, AreaIsPureBlackAndWhite) {
  for (int32_t y = kFontTop; y < kSheetSize; ++y) {
    for (int32_t x = 0; x < kSheetSize / 2; ++x) {
      const uint32_t pixel = Pixel(x, y);
      ASSERT_TRUE(pixel == kWhite || pixel == kBlack) << "font pixel at " << x << "," << y;
    }
  }
}

TEST(SheetFont, PrintableGlyphsStayInTheirCellWhenDoubled) {
  for (int32_t code = 0x20; code <= 0x7E; ++code) {
    bool any_ink = false;
    for (int32_t y = 0; y < kGlyph; ++y) {
      EXPECT_FALSE(GlyphInk(code, kGlyph - 1, y)) << "glyph " << code << " inks column 7";
      for (int32_t x = 0; x < kGlyph; ++x) any_ink = any_ink || GlyphInk(code, x, y);
    }
    EXPECT_EQ(any_ink, code != 0x20) << "glyph " << code;
  }
}

TEST(SheetFont, NulAndDeleteAreBlank) {
  for (const int32_t code : {0x00, 0x7F}) {
    for (int32_t y = 0; y < kGlyph; ++y) {
      for (int32_t x = 0; x < kGlyph; ++x) EXPECT_FALSE(GlyphInk(code, x, y)) << "glyph " << code;
    }
  }
}

}  // namespace
}  // namespace zaptrail
