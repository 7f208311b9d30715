#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace zaptrail {

// Pixels are 0xFFRRGGBB, the layout a 32-bit RGB picture of the shell uses directly.
inline constexpr uint32_t kBlack = 0xFF000000u;
inline constexpr uint32_t kWhite = 0xFFFFFFFFu;

constexpr uint32_t RgbColour(uint8_t red, uint8_t green, uint8_t blue) {
  return 0xFF000000u | (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
}

// An off-screen picture with the few raster operations the game draws with. Every operation
// clips to the destination's edges (and stays inside the source), nothing else.
class PixelSurface {
 public:
  PixelSurface() = default;
  PixelSurface(int32_t width, int32_t height) { Reset(width, height); }

  // Discards the picture: a fresh black one of the given size.
  void Reset(int32_t width, int32_t height);
  // Keeps the picture when the size is unchanged, else starts a fresh one.
  void Resize(int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  const uint32_t* Pixels() const { return pixels_.data(); }
  uint32_t* Pixels() { return pixels_.data(); }
  uint32_t Pixel(int32_t x, int32_t y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int32_t x, int32_t y, uint32_t colour);

  void Fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour);
  void FillBlack(int32_t x, int32_t y, int32_t width, int32_t height) {
    Fill(x, y, width, height, kBlack);
  }
  void FillWhite(int32_t x, int32_t y, int32_t width, int32_t height) {
    Fill(x, y, width, height, kWhite);
  }

  // Opaque copy of a source rectangle to (x, y). The source is another picture (the sheet).
  void Copy(int32_t x, int32_t y, int32_t width, int32_t height, const PixelSurface& source,
            int32_t sourceX, int32_t sourceY);
  // destination := source OR destination, per channel.
  void OrCopy(int32_t x, int32_t y, int32_t width, int32_t height, const PixelSurface& source,
              int32_t sourceX, int32_t sourceY);

  // One-pixel line from (x0, y0) towards (x1, y1); the end pixel itself is not set.
  void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour);

 private:
  size_t Index(int32_t x, int32_t y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
  }
  bool Inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Clips both rectangles, then hands each row to combineRow(to, from, columns).
  template <typename CombineRow>
  void Blit(int32_t x, int32_t y, int32_t width, int32_t height, const PixelSurface& source,
            int32_t sourceX, int32_t sourceY, CombineRow combineRow);
  // Rows as wide as a tile or a glyph get loops of their own: with the width known in
  // advance, a row compiles to a few vector moves instead of a loop or a call.
  template <typename CombineRow>
  static void BlitRows(uint32_t* to, size_t toStride, const uint32_t* from, size_t fromStride,
                       size_t columns, int32_t rows, CombineRow combineRow);

  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint32_t> pixels_;
};

// The copies are inline: the view makes up to 195 of them every tick, and a call with its
// clipping would cost almost as much as the tile's pixels.

template <typename CombineRow>
void PixelSurface::BlitRows(uint32_t* to, size_t toStride, const uint32_t* from, size_t fromStride,
                            size_t columns, int32_t rows, CombineRow combineRow) {
  const auto allRows = [&](size_t width) {
    for (int32_t row = 0; row < rows; ++row, from += fromStride, to += toStride) {
      combineRow(to, from, width);
    }
  };
  if (columns == 16) {
    allRows(16);
  } else if (columns == 8) {
    allRows(8);
  } else {
    allRows(columns);
  }
}

template <typename CombineRow>
void PixelSurface::Blit(int32_t x, int32_t y, int32_t width, int32_t height,
                        const PixelSurface& source, int32_t sourceX, int32_t sourceY,
                        CombineRow combineRow) {
  // Clip against the source first, then the destination, moving both rectangles together.
  const int32_t skipX = std::max({0, -x, -sourceX});
  const int32_t skipY = std::max({0, -y, -sourceY});
  const int32_t columns = std::min({width, width_ - x, source.width_ - sourceX}) - skipX;
  const int32_t rows = std::min({height, height_ - y, source.height_ - sourceY}) - skipY;
  if (columns <= 0 || rows <= 0) return;
  BlitRows(&pixels_[Index(x + skipX, y + skipY)], static_cast<size_t>(width_),
           &source.pixels_[source.Index(sourceX + skipX, sourceY + skipY)],
           static_cast<size_t>(source.width_), static_cast<size_t>(columns), rows, combineRow);
}

inline void PixelSurface::Copy(int32_t x, int32_t y, int32_t width, int32_t height,
                               const PixelSurface& source, int32_t sourceX, int32_t sourceY) {
  Blit(x, y, width, height, source, sourceX, sourceY,
       [](uint32_t* to, const uint32_t* from, size_t columns) {
         std::memcpy(to, from, columns * sizeof(uint32_t));
       });
}

inline void PixelSurface::OrCopy(int32_t x, int32_t y, int32_t width, int32_t height,
                                 const PixelSurface& source, int32_t sourceX, int32_t sourceY) {
  Blit(x, y, width, height, source, sourceX, sourceY,
       [](uint32_t* to, const uint32_t* from, size_t columns) {
         // Four pixels at a time through locals, which cannot overlap the pictures: the
         // compiler makes each step one vector OR.
         const size_t blocks = columns / 4 * 4;
         for (size_t column = 0; column < blocks; column += 4) {
           uint32_t pixels[4];
           uint32_t glyph[4];
           std::memcpy(pixels, to + column, sizeof pixels);
           std::memcpy(glyph, from + column, sizeof glyph);
           for (size_t i = 0; i < 4; ++i) pixels[i] |= glyph[i];
           std::memcpy(to + column, pixels, sizeof pixels);
         }
         for (size_t column = blocks; column < columns; ++column) to[column] |= from[column];
       });
}

}  // namespace zaptrail
