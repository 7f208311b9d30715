#include <gtest/gtest.h>

#include "game/compass.hpp"
#include "game/play_field.hpp"
#include "game/text.hpp"
#include "tests/engine/test_game.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail::testing {
namespace {

// The test sheet frames every glyph in its own colour: a glyph drawn at a text cell shows that
// colour at the cell's top-left pixel, and its doubled copy one pixel further right.
uint32_t CellCorner(const TestGame& test, int32_t column, int32_t row) {
  return test.game.playField.Pixel(column * 8, row * 8);
}

class Text : public ::testing::Test {
 protected:
  void SetUp() override { test.game.playField.Reset(240, 224); }
  TestGame test;
};

TEST_F(Text, EmptyTextDrawsNothingAndOrIsIdempotent) {
  const PixelSurface blank = test.game.playField;
  PutText(test.game, 3, 3, "");
  EXPECT_EQ(test.game.playField.Pixel(24, 24), blank.Pixel(24, 24));
  PutText(test.game, 0, 0, "ab");
  const PixelSurface once = test.game.playField;
  PutText(test.game, 0, 0, "ab");
  EXPECT_TRUE(std::equal(once.Pixels(), once.Pixels() + 240 * 224, test.game.playField.Pixels()));
}

TEST_F(Text, StrokesAreDoubledAndOredOverWhatLiesBeneath) {
  test.game.playField.Fill(0, 0, 16, 8, RgbColour(0x10, 0, 0));
  PutText(test.game, 0, 0, "A");
  const uint32_t glyph = GlyphColour('A');
  EXPECT_EQ(test.game.playField.Pixel(0, 0), glyph | RgbColour(0x10, 0, 0));
  EXPECT_EQ(test.game.playField.Pixel(7, 0), glyph | RgbColour(0x10, 0, 0));  // second copy
  EXPECT_EQ(test.game.playField.Pixel(3, 3), RgbColour(0x10, 0, 0));          // inside: untouched
  EXPECT_EQ(test.game.playField.Pixel(8, 0), RgbColour(0x10, 0, 0));
}

TEST_F(Text, WrapsAfterColumn29AndLineFeedsStartTheNextRow) {
  PutText(test.game, 0, 2, std::string(30, 'a') + "b");
  EXPECT_EQ(CellCorner(test, 29, 2), GlyphColour('a'));
  EXPECT_EQ(CellCorner(test, 0, 3), GlyphColour('b'));

  PutText(test.game, 29, 5, "cd");
  EXPECT_EQ(CellCorner(test, 29, 5), GlyphColour('c'));
  EXPECT_EQ(CellCorner(test, 0, 6), GlyphColour('d'));

  PutText(test.game, 0, 8, "ef\ngh");
  EXPECT_EQ(CellCorner(test, 1, 8), GlyphColour('f'));
  EXPECT_EQ(CellCorner(test, 2, 8), kBlack);  // the line feed leaves no mark
  EXPECT_EQ(CellCorner(test, 0, 9), GlyphColour('g'));
  EXPECT_EQ(CellCorner(test, 1, 9), GlyphColour('h'));

  PutText(test.game, 29, 11, "i\nj");
  EXPECT_EQ(CellCorner(test, 0, 12), kBlack);  // column 29 and a line feed: one row stays empty
  EXPECT_EQ(CellCorner(test, 0, 13), GlyphColour('j'));
}

TEST_F(Text, ClipsAtTheFieldEdgesAndHighBytesStayInsideTheSheet) {
  PutText(test.game, 29, 27, "k\xff");
  EXPECT_EQ(CellCorner(test, 29, 27), GlyphColour('k'));
  PutText(test.game, 0, 0, "\x80\xfe");
  EXPECT_EQ(CellCorner(test, 0, 0), GlyphColour(0x80));
  EXPECT_EQ(CellCorner(test, 1, 0), GlyphColour(0xfe));
  PutText(test.game, 0, 40, "z");  // wholly below the field
}

class View : public ::testing::Test {
 protected:
  void SetUp() override {
    test.SetUp();
    test.OpenField(21);
  }
  uint32_t ViewCell(int32_t j, int32_t i) const {
    return test.game.playField.Pixel(j * 16 + 3, i * 16 + 3);
  }
  TestGame test;
};

TEST_F(View, CornersOfTheMazeAndTheBlackBeyond) {
  DrawView(test.game, 70);
  EXPECT_EQ(ViewCell(5, 4), kBlack);
  EXPECT_EQ(ViewCell(6, 5), TileColour(1));  // the maze's top-left corner
  EXPECT_EQ(ViewCell(7, 6), TileColour(70));
  test.record.PlayerX = 19;
  test.record.PlayerY = 19;
  DrawView(test.game, 70);
  EXPECT_EQ(ViewCell(8, 7), TileColour(1));  // bottom-right corner
  EXPECT_EQ(ViewCell(9, 7), kBlack);
  EXPECT_EQ(ViewCell(8, 8), kBlack);
}

TEST_F(View, WallLookCyclesWithTheLevelAndTheCentreHidesItsCell) {
  const std::pair<int32_t, uint8_t> looks[] = {{0, 1}, {62, 63}, {63, 1}, {126, 1}, {5, 6}};
  test.Cell(2, 1) = CellCloudWall;
  test.Cell(1, 1) = CellItem;
  for (const auto& [level, tile] : looks) {
    test.record.Level = level;
    DrawView(test.game, 64);
    EXPECT_EQ(ViewCell(6, 6), TileColour(tile)) << level;
    EXPECT_EQ(ViewCell(8, 6), TileColour(121)) << level;
    EXPECT_EQ(ViewCell(7, 6), TileColour(64));
  }
}

TEST_F(View, TheGoalTurnsOneFrameEachPlayingTick) {
  test.record.PlayerX = 15;
  test.record.PlayerY = 15;
  // The view is drawn before GoalFrame advances.
  const uint8_t frames[] = {112, 113, 114, 112};
  for (const uint8_t frame : frames) {
    test.Tick();
    EXPECT_EQ(test.game.playField.Pixel((7 + 4) * 16 + 3, (6 + 4) * 16 + 3), TileColour(frame));
  }
}

TEST_F(View, StatusLinesSitUnderTheTiles) {
  class Lines : public Trace {
   public:
    void Cue(uint8_t) override {}
    void Text(int32_t column, int32_t row, std::string_view text) override {
      texts.push_back(std::to_string(column) + "," + std::to_string(row) + " " + std::string(text));
    }
    std::vector<std::string> texts;
  } lines;
  test.game.trace = &lines;
  test.record.Level = 12;
  test.record.ElapsedTime = -3;
  test.record.Power = 0;
  DrawView(test.game, 76);
  EXPECT_EQ(lines.texts, (std::vector<std::string>{"0,26 lv=12 ti=-3", "0,27 pw=0"}));
  EXPECT_EQ(test.game.playField.Pixel(6 * 16, 207), TileColour(13));  // the frame, row 12
  EXPECT_EQ(test.game.playField.Pixel(0, 208), GlyphColour('l'));
}

// The compass needle: the tip is the goal end, the tail the other; end pixels stay unset.
struct Needle {
  int32_t goalDx, goalDy;  // goal minus chick, in cells
  int32_t tipX, tipY, tailX, tailY;
};

TEST(Compass, EveryListedPosition) {
  const Needle needles[] = {
      {0, 0, 48, 32, 16, 32},  {0, -1, 33, 16, 31, 48},  {0, -2, 32, 16, 32, 48},
      {0, -9, 32, 16, 32, 48}, {0, 1, 33, 48, 31, 16},   {1, 0, 48, 33, 16, 31},
      {-1, 0, 16, 33, 48, 31}, {3, 3, 48, 48, 16, 16},   {10, 3, 48, 36, 16, 28},
      {0, 20, 32, 48, 32, 16}, {-5, -5, 16, 16, 48, 48},
  };
  for (const Needle& needle : needles) {
    TestGame test;
    test.OpenField(61);
    test.record.PlayerX = 30;
    test.record.PlayerY = 30;
    test.record.GoalX = 30 + needle.goalDx;
    test.record.GoalY = 30 + needle.goalDy;
    DrawCompass(test.game);
    const PixelSurface& picture = test.game.compass;
    const std::string where = std::to_string(needle.goalDx) + "," + std::to_string(needle.goalDy);
    const uint32_t cyan = RgbColour(0, 255, 255);
    EXPECT_EQ(picture.Pixel(32, 32), cyan) << where;
    EXPECT_EQ(picture.Pixel(needle.tailX, needle.tailY), kBlack) << where << " tail end set";
    // One step back along the major axis the line is drawn, on one side of the minor axis.
    const bool xMajor = needle.tailX == 16 || needle.tailX == 48;
    const int32_t backX = needle.tailX + (xMajor ? (needle.tailX < 32 ? 1 : -1) : 0);
    const int32_t backY = needle.tailY + (xMajor ? 0 : (needle.tailY < 32 ? 1 : -1));
    const bool drawn = picture.Pixel(backX, backY) == cyan ||
                       picture.Pixel(backX + (xMajor ? 0 : 1), backY + (xMajor ? 1 : 0)) == cyan ||
                       picture.Pixel(backX - (xMajor ? 0 : 1), backY - (xMajor ? 1 : 0)) == cyan;
    EXPECT_TRUE(drawn) << where;
    // The white square covers the tip's end pixel, from (tip - 2) for 4 x 4 pixels.
    for (int32_t y = needle.tipY - 2; y < needle.tipY + 2; ++y) {
      for (int32_t x = needle.tipX - 2; x < needle.tipX + 2; ++x) {
        EXPECT_EQ(picture.Pixel(x, y), kWhite) << where;
      }
    }
  }
}

TEST(Lines, EndPixelUnsetAndTiesFollowTheOctant) {
  PixelSurface picture(64, 64);
  picture.Line(32, 32, 33, 16, kWhite);  // octant 7: ties do not step
  EXPECT_EQ(picture.Pixel(32, 24), kWhite);
  EXPECT_EQ(picture.Pixel(33, 23), kWhite);
  EXPECT_EQ(picture.Pixel(33, 16), kBlack);
  PixelSurface other(64, 64);
  other.Line(32, 32, 31, 48, kWhite);  // octant 3: ties step
  EXPECT_EQ(other.Pixel(32, 39), kWhite);
  EXPECT_EQ(other.Pixel(31, 40), kWhite);
  EXPECT_EQ(other.Pixel(31, 48), kBlack);
  PixelSurface clipped(8, 8);
  clipped.Line(-4, -4, 20, 20, kWhite);
  EXPECT_EQ(clipped.Pixel(7, 7), kWhite);
}

}  // namespace
}  // namespace zaptrail::testing
