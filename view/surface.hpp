#pragma once

#include <cstddef>
#include <cstdint>
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

  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace zaptrail
