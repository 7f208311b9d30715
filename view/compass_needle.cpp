#include "view/compass_needle.hpp"

#include <cstdlib>

namespace zaptrail {
namespace {

constexpr int32_t kCentre = 32;
constexpr int32_t kNeedle = 16;
constexpr int32_t kCellScale = 16;
constexpr uint32_t kCyan = RgbColour(0, 255, 255);

}  // namespace

void DrawCompassNeedle(PixelSurface& picture, int32_t cellsRight, int32_t cellsDown) {
  picture.FillBlack(0, 0, kCompassSize, kCompassSize);
  int32_t ax = std::abs(cellsRight * kCellScale);
  int32_t ay = std::abs(cellsDown * kCellScale);
  // On the target itself only ax becomes 1, so the needle then points straight right.
  if (ax == 0) {
    ax = 1;
  } else if (ay == 0) {
    ay = 1;
  }
  int32_t dx = kNeedle;
  int32_t dy = kNeedle;
  if (ay < ax) {
    dy = ay * kNeedle / ax;
  } else {
    dx = ax * kNeedle / ay;
  }
  if (cellsRight < 0) dx = -dx;
  if (cellsDown < 0) dy = -dy;
  picture.Line(kCentre, kCentre, kCentre + dx, kCentre + dy, kCyan);
  picture.Line(kCentre, kCentre, kCentre - dx, kCentre - dy, kCyan);
  picture.FillWhite(kCentre - 2 + dx, kCentre - 2 + dy, 4, 4);
}

}  // namespace zaptrail
