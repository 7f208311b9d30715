#include "tools/artgen/preview.hpp"

#include <iterator>
#include <string>

#include "tools/png/png_writer.hpp"

namespace zaptrail::art {
namespace {

constexpr uint32_t kBackground = 0x303040;
constexpr uint32_t kLabelColour = 0xE0E0E0;
constexpr int32_t kMargin = 8;
constexpr int32_t kTileScale = 4;
constexpr int32_t kLabelScale = 2;
constexpr int32_t kLabelHeight = kGlyphSize * kLabelScale + 2;
constexpr int32_t kWallRepeat = 3;
constexpr int32_t kWallScale = 2;
constexpr int32_t kWallsPerRow = 11;
constexpr int32_t kFontScale = 4;
constexpr int32_t kFontGap = 4;
constexpr int32_t kTextScale = 3;
constexpr int32_t kWallCount = 63;

constexpr int32_t kTileCell = kTileSize * kTileScale + kMargin;
constexpr int32_t kTilesHeight = (kTileCount / kTilesPerRow) * (kTileCell + kLabelHeight);
constexpr int32_t kWallCell = kTileSize * kWallScale * kWallRepeat + kMargin;
constexpr int32_t kWallsHeight =
    ((kWallCount + kWallsPerRow - 1) / kWallsPerRow) * (kWallCell + kLabelHeight);
constexpr int32_t kFontCell = kGlyphSize * kFontScale + kFontGap;
constexpr int32_t kFontHeight = kGlyphsPerRow * kFontCell;
constexpr const char* kSampleLines[] = {
    "ZAP TRAIL  STAGE 12  SCORE 004560",
    "The quick brown fox jumps over the lazy dog.",
    "0123456789 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~",
};
constexpr int32_t kTextHeight =
    static_cast<int32_t>(std::size(kSampleLines)) * (kGlyphSize * kTextScale + kMargin);
constexpr int32_t kPreviewWidth = kMargin + kTilesPerRow * kTileCell;
constexpr int32_t kPreviewHeight =
    kMargin + kTilesHeight + kMargin + kWallsHeight + kMargin + kFontHeight + kMargin + kTextHeight;

class Canvas {
 public:
  Canvas(int32_t width, int32_t height)
      : width_(width), height_(height), rgb_(static_cast<size_t>(width * height * 3)) {
    Fill(0, 0, width, height, kBackground);
  }

  void Fill(int32_t left, int32_t top, int32_t w, int32_t h, uint32_t colour) {
    for (int32_t y = top; y < top + h; ++y) {
      for (int32_t x = left; x < left + w; ++x) Set(x, y, colour);
    }
  }

  void Set(int32_t x, int32_t y, uint32_t colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const size_t at = static_cast<size_t>((y * width_ + x) * 3);
    rgb_[at] = static_cast<uint8_t>(colour >> 16);
    rgb_[at + 1] = static_cast<uint8_t>(colour >> 8);
    rgb_[at + 2] = static_cast<uint8_t>(colour);
  }

  std::vector<uint8_t> Encode() const { return png::EncodeRgb(width_, height_, rgb_); }

 private:
  int32_t width_;
  int32_t height_;
  std::vector<uint8_t> rgb_;
};

uint32_t SheetColour(const Sheet& sheet, int32_t x, int32_t y) {
  return sheet.palette[sheet.indices[static_cast<size_t>(y * kSheetPixels + x)]];
}

// The game ORs each glyph with itself shifted one pixel right, making strokes two pixels wide.
bool DoubledGlyphInk(const Sheet& sheet, int32_t code, int32_t x, int32_t y) {
  const auto ink = [&](int32_t gx) {
    return gx >= 0 && SheetColour(sheet, GlyphX(code) + gx, GlyphY(code) + y) != 0;
  };
  return ink(x) || ink(x - 1);
}

void DrawSheetBlock(Canvas& canvas, const Sheet& sheet, int32_t src_x, int32_t src_y, int32_t size,
                    int32_t left, int32_t top, int32_t scale) {
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      canvas.Fill(left + x * scale, top + y * scale, scale, scale,
                  SheetColour(sheet, src_x + x, src_y + y));
    }
  }
}

void DrawGlyph(Canvas& canvas, const Sheet& sheet, int32_t code, int32_t left, int32_t top,
               int32_t scale, uint32_t ink, uint32_t paper, bool with_paper) {
  for (int32_t y = 0; y < kGlyphSize; ++y) {
    for (int32_t x = 0; x < kGlyphSize; ++x) {
      const bool lit = DoubledGlyphInk(sheet, code, x, y);
      if (lit || with_paper) {
        canvas.Fill(left + x * scale, top + y * scale, scale, scale, lit ? ink : paper);
      }
    }
  }
}

void DrawText(Canvas& canvas, const Sheet& sheet, const std::string& text, int32_t left,
              int32_t top, int32_t scale) {
  for (size_t i = 0; i < text.size(); ++i) {
    DrawGlyph(canvas, sheet, static_cast<unsigned char>(text[i]),
              left + static_cast<int32_t>(i) * kGlyphSize * scale, top, scale, kLabelColour, 0,
              false);
  }
}

int32_t DrawTiles(Canvas& canvas, const Sheet& sheet, int32_t top) {
  for (int32_t code = 0; code < kTileCount; ++code) {
    const int32_t left = kMargin + (code % kTilesPerRow) * kTileCell;
    const int32_t cell_top = top + (code / kTilesPerRow) * (kTileCell + kLabelHeight);
    DrawText(canvas, sheet, std::to_string(code), left, cell_top, kLabelScale);
    DrawSheetBlock(canvas, sheet, TileX(code), TileY(code), kTileSize, left,
                   cell_top + kLabelHeight, kTileScale);
  }
  return top + kTilesHeight;
}

int32_t DrawRepeatedWalls(Canvas& canvas, const Sheet& sheet, int32_t top) {
  for (int32_t i = 0; i < kWallCount; ++i) {
    const int32_t code = 1 + i;  // walls are tiles 1..63
    const int32_t left = kMargin + (i % kWallsPerRow) * kWallCell;
    const int32_t cell_top = top + (i / kWallsPerRow) * (kWallCell + kLabelHeight);
    DrawText(canvas, sheet, std::to_string(code), left, cell_top, kLabelScale);
    for (int32_t r = 0; r < kWallRepeat * kWallRepeat; ++r) {
      DrawSheetBlock(canvas, sheet, TileX(code), TileY(code), kTileSize,
                     left + (r % kWallRepeat) * kTileSize * kWallScale,
                     cell_top + kLabelHeight + (r / kWallRepeat) * kTileSize * kWallScale,
                     kWallScale);
    }
  }
  return top + kWallsHeight;
}

int32_t DrawFont(Canvas& canvas, const Sheet& sheet, int32_t top) {
  for (int32_t code = 0; code < kGlyphCount; ++code) {
    DrawGlyph(canvas, sheet, code, kMargin + (code % kGlyphsPerRow) * kFontCell,
              top + (code / kGlyphsPerRow) * kFontCell, kFontScale, 0xFFFFFF, 0x000000, true);
  }
  // The large kana area beside the font, as stored.
  const int32_t right = kMargin + kGlyphsPerRow * kFontCell + kMargin;
  DrawSheetBlock(canvas, sheet, kSheetPixels / 2, kFontTop, kSheetPixels / 2, right, top, 4);
  return top + kFontHeight;
}

void DrawSampleText(Canvas& canvas, const Sheet& sheet, int32_t top) {
  for (const char* line : kSampleLines) {
    DrawText(canvas, sheet, line, kMargin, top, kTextScale);
    top += kGlyphSize * kTextScale + kMargin;
  }
}

}  // namespace

std::vector<uint8_t> RenderPreview(const Sheet& sheet) {
  Canvas canvas(kPreviewWidth, kPreviewHeight);
  int32_t top = DrawTiles(canvas, sheet, kMargin);
  top = DrawRepeatedWalls(canvas, sheet, top + kMargin);
  top = DrawFont(canvas, sheet, top + kMargin);
  DrawSampleText(canvas, sheet, top + kMargin);
  return canvas.Encode();
}

}  // namespace zaptrail::art
