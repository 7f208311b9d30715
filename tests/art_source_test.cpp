// The art parser's error reporting, and the icon rules checked against the real art.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tools/artgen/art_source.hpp"
#include "tools/artgen/icons.hpp"
#include "tools/artgen/sheet.hpp"

namespace zaptrail::art {
namespace {

constexpr const char* kPalette =
    "; key name colour\n"
    "w white #FFFFFF\n"
    "r red   #FF0000\n"
    ". black #000000\n";

std::string Rows(int32_t count, const std::string& row) {
  std::string text;
  for (int32_t i = 0; i < count; ++i) text += row + "\n";
  return text;
}

// Runs `parse` and returns the ArtError message, or "" if nothing was thrown.
template <typename Parse>
std::string ErrorFrom(Parse parse) {
  try {
    parse();
  } catch (const ArtError& error) {
    return error.what();
  }
  return "";
}

ArtSet WithPalette() {
  ArtSet art;
  art.palette = ParsePalette(kPalette, "palette.txt");
  return art;
}

TEST(ParsePalette, ReadsKeysNamesAndColoursInOrder) {
  const Palette palette = ParsePalette(kPalette, "palette.txt");
  ASSERT_EQ(palette.entries.size(), 3u);
  EXPECT_EQ(palette.IndexOf('r'), 1);
  EXPECT_EQ(palette.entries[1].name, "red");
  EXPECT_EQ(palette.entries[1].rgb, 0xFF0000u);
  EXPECT_EQ(palette.IndexOf('?'), -1);
}

TEST(ParsePalette, RejectsBadPalettesNamingTheLine) {
  EXPECT_EQ(ErrorFrom([] { ParsePalette("r red #FF0000\n. black #000000\n", "p.txt"); }),
            "p.txt:1: the first colour must be #FFFFFF");
  EXPECT_EQ(ErrorFrom([] { ParsePalette("w white #FFFFFF\nr red #FF0000\n", "p.txt"); }),
            "p.txt:2: the last colour must be #000000");
  EXPECT_EQ(ErrorFrom([] { ParsePalette("w white #FFFFFF\nw two #FF0000\n", "p.txt"); }),
            "p.txt:2: key 'w' used twice");
  EXPECT_EQ(ErrorFrom([] { ParsePalette("w white #FFFFFF\nr red #FFFFFF\n", "p.txt"); }),
            "p.txt:2: same colour as 'white'");
  EXPECT_EQ(ErrorFrom([] { ParsePalette("w white #FFFFFF\n- clear #FF0000\n", "p.txt"); }),
            "p.txt:2: '-' is reserved and cannot name a colour");
  EXPECT_EQ(ErrorFrom([] { ParsePalette("w white FFFFFF\n", "p.txt"); }),
            "p.txt:1: colour must look like #RRGGBB");
}

TEST(ParsePalette, RejectsMoreThan66Colours) {
  std::string text = "w white #FFFFFF\n";
  const std::string keys = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvxyz0123456789!$%&*+";
  for (size_t i = 0; i < keys.size(); ++i) {
    char colour[16];
    std::snprintf(colour, sizeof colour, "#%06X", static_cast<unsigned>(i + 1));
    text += std::string(1, keys[i]) + " c" + std::to_string(i) + " " + colour + "\n";
  }
  EXPECT_EQ(ErrorFrom([&] { ParsePalette(text, "p.txt"); }), "p.txt:67: more than 66 colours");
}

TEST(ParsePictures, ReadsTilesAndGlyphs) {
  ArtSet art = WithPalette();
  ParsePictures("tile 3 red square\n" + Rows(16, std::string(16, 'r')) + "\nglyph 0x41 A\n" +
                    Rows(8, "#.......") + "; trailing comment\n",
                "t.txt", art);
  ASSERT_TRUE(art.tiles.contains(3));
  EXPECT_EQ(art.tiles.at(3).At(15, 15), 1);
  ASSERT_TRUE(art.glyphs.contains(0x41));
  EXPECT_EQ(art.glyphs.at(0x41).At(0, 0), art.palette.WhiteIndex());
  EXPECT_EQ(art.glyphs.at(0x41).At(1, 0), art.palette.BlackIndex());
}

TEST(ParsePictures, ReportsFileAndLineOfBadRows) {
  ArtSet art = WithPalette();
  const std::string good_row(16, 'r');
  EXPECT_EQ(ErrorFrom([&] { ParsePictures("tile 1\n" + good_row + "\nrrr\n", "t.txt", art); }),
            "t.txt:3: row has 3 pixels, expected 16");
  EXPECT_EQ(ErrorFrom([&] {
              ParsePictures("tile 1\n" + Rows(4, good_row) + "rrrrZrrrrrrrrrrr\n", "t.txt", art);
            }),
            "t.txt:6: unknown colour key 'Z'");
  EXPECT_EQ(ErrorFrom([&] { ParsePictures("tile 1\n" + Rows(15, good_row), "t.txt", art); }),
            "t.txt:17: tile ends after 15 of 16 rows");
  EXPECT_EQ(ErrorFrom([&] { ParsePictures("glyph 65\n" + Rows(8, "#r......"), "g.txt", art); }),
            "g.txt:2: glyphs use only '#' and '.', got 'r'");
  EXPECT_EQ(ErrorFrom([&] { ParsePictures("tile 128\n", "t.txt", art); }),
            "t.txt:1: tile needs a code 0..127");
  EXPECT_EQ(ErrorFrom([&] { ParsePictures("sprite 1\n", "t.txt", art); }),
            "t.txt:1: expected a block header (tile N, glyph N, icon32, icon16 or cursor), got "
            "'sprite'");
  EXPECT_EQ(
      ErrorFrom([&] { ParsePictures("tile 1\n" + Rows(16, std::string(16, '-')), "t.txt", art); }),
      "t.txt:2: unknown colour key '-'");
}

TEST(ParsePictures, RejectsATileDrawnTwice) {
  ArtSet art = WithPalette();
  const std::string tile = "tile 7\n" + Rows(16, std::string(16, 'w'));
  EXPECT_EQ(ErrorFrom([&] { ParsePictures(tile + tile, "t.txt", art); }),
            "t.txt:18: tile 7 drawn twice");
}

TEST(ComposeSheet, NamesTheFirstMissingTile) {
  ArtSet art = WithPalette();
  for (const int32_t code : RequiredTiles()) {
    if (code != 42) art.tiles[code] = Picture{16, std::vector<int16_t>(256, 0)};
  }
  EXPECT_EQ(ErrorFrom([&] { ComposeSheet(art, "art"); }),
            "art/tiles: tile 42 is not drawn in any file, but the game needs it");
}

TEST(ComposeSheet, PlacesTilesAndGlyphsAndLeavesTheRestBlack) {
  ArtSet art = WithPalette();
  for (const int32_t code : RequiredTiles()) {
    art.tiles[code] = Picture{16, std::vector<int16_t>(256, 1)};
  }
  for (const int32_t code : RequiredGlyphs()) {
    art.glyphs[code] = Picture{8, std::vector<int16_t>(64, 0)};
  }
  const Sheet sheet = ComposeSheet(art, "art");
  const auto at = [&](int32_t x, int32_t y) { return sheet.indices[y * kSheetPixels + x]; };
  EXPECT_EQ(at(TileX(121) + 15, TileY(121) + 15), 1);  // tile 121: column 9, row 7
  EXPECT_EQ(at(9 * 16, 7 * 16), 1);
  EXPECT_EQ(at(TileX(127), TileY(127)), 2);  // never drawn: black
  EXPECT_EQ(at(GlyphX(0x41), GlyphY(0x41)), 0);
  EXPECT_EQ(at(1 * 8, 128 + 4 * 8), 0);  // 'A' sits in glyph row 4, column 1
  EXPECT_EQ(at(200, 200), 2);            // the large kana area defaults to black
}

class ShippedIcons : public ::testing::Test {
 protected:
  ArtSet art_ = LoadArt(ZAPTRAIL_ART_DIR);
};

TEST_F(ShippedIcons, KeepTheirColourLimitsAndSeeThroughCorners) {
  ASSERT_TRUE(art_.icon32 && art_.icon16 && art_.cursor);
  EXPECT_LE(CountColours(*art_.icon32), kMaxIconColours);
  EXPECT_LE(CountColours(*art_.icon16), kMaxIconColours);
  EXPECT_LE(CountColours(*art_.cursor), kMaxCursorColours);
  for (const Picture* icon : {&*art_.icon32, &*art_.icon16, &*art_.cursor}) {
    EXPECT_EQ(icon->At(0, 0), kTransparent);
    EXPECT_EQ(icon->At(icon->size - 1, icon->size - 1), kTransparent);
  }
}

TEST_F(ShippedIcons, CursorFingertipIsTheHotSpot) {
  const Picture& cursor = *art_.cursor;
  ASSERT_EQ(cursor.size, 32);
  EXPECT_NE(cursor.At(6, 1), kTransparent);
  for (int32_t x = 0; x < cursor.size; ++x) EXPECT_EQ(cursor.At(x, 0), kTransparent);
  for (int32_t x = 0; x < cursor.size; ++x) {
    if (x < 5 || x > 7) {
      EXPECT_EQ(cursor.At(x, 1), kTransparent) << "row 1, x " << x;
    }
  }
}

}  // namespace
}  // namespace zaptrail::art
