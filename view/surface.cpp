#include "view/surface.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace zaptrail {
namespace {

// Pixels stored one by one before the rest is copied.
constexpr size_t kFirstStores = 16;
// Pixels copied at once: 16 KB, a source the first-level cache keeps.
constexpr size_t kLargestCopy = 4096;

// A store per pixel is several times slower than the C library's block copy: a few pixels are
// stored, then the filled part is copied onto the rest, doubling it each time up to a limit.
void FillRun(uint32_t* run, size_t count, uint32_t colour) {
  size_t filled = std::min(count, kFirstStores);
  std::fill_n(run, filled, colour);
  while (filled < count) {
    const size_t more = std::min({filled, count - filled, kLargestCopy});
    std::memcpy(run + filled, run, more * sizeof(uint32_t));
    filled += more;
  }
}

}  // namespace

void PixelSurface::Reset(int32_t width, int32_t height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
  Fill(0, 0, width_, height_, kBlack);
}

void PixelSurface::Resize(int32_t width, int32_t height) {
  if (width != width_ || height != height_) Reset(width, height);
}

void PixelSurface::SetPixel(int32_t x, int32_t y, uint32_t colour) {
  if (Inside(x, y)) pixels_[Index(x, y)] = colour;
}

void PixelSurface::Fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) {
  const int32_t left = std::max(x, 0);
  const int32_t top = std::max(y, 0);
  const int32_t right = std::min(x + width, width_);
  const int32_t bottom = std::min(y + height, height_);
  if (left >= right || top >= bottom) return;
  const auto columns = static_cast<size_t>(right - left);
  uint32_t* first = &pixels_[Index(left, top)];
  if (columns == static_cast<size_t>(width_)) {
    FillRun(first, columns * static_cast<size_t>(bottom - top), colour);
    return;
  }
  FillRun(first, columns, colour);
  for (int32_t row = top + 1; row < bottom; ++row) {
    std::memcpy(&pixels_[Index(left, row)], first, columns * sizeof(uint32_t));
  }
}

void PixelSurface::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t colour) {
  const int32_t dx = x1 - x0;
  const int32_t dy = y1 - y0;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  const int32_t major = xMajor ? std::abs(dx) : std::abs(dy);
  const int32_t minor = xMajor ? std::abs(dy) : std::abs(dx);
  const int32_t stepX = dx < 0 ? -1 : 1;
  const int32_t stepY = dy < 0 ? -1 : 1;
  // Ties step the minor axis only in octants 3, 5, 6 and 8 (clockwise from +x, y down), so the
  // line covers the same pixels as the desktop's own line primitive.
  const int32_t bias = xMajor ? (dy < 0 ? 1 : 0) : (dx < 0 ? 1 : 0);
  int32_t error = 2 * minor - major;
  int32_t x = x0;
  int32_t y = y0;
  for (int32_t step = 0; step < major; ++step) {
    SetPixel(x, y, colour);
    if (error + bias > 0) {
      if (xMajor) {
        y += stepY;
      } else {
        x += stepX;
      }
      error -= 2 * major;
    }
    error += 2 * minor;
    if (xMajor) {
      x += stepX;
    } else {
      y += stepY;
    }
  }
}

}  // namespace zaptrail
