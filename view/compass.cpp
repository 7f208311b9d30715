#include "view/compass.hpp"

#include <cstdlib>

#include "game/game.hpp"

namespace zaptrail {
namespace {

constexpr int32_t kCentre = 32;
constexpr int32_t kNeedle = 16;
constexpr uint32_t kCyan = RgbColour(0, 255, 255);

}  // namespace

void DrawCompass(Game& game) {
  const GameRecord& record = game.record;
  PixelSurface& picture = game.compass;
  picture.FillBlack(0, 0, kCompassSize, kCompassSize);
  int32_t ax = std::abs(record.PlayerX * 16 - record.GoalX * 16);
  int32_t ay = std::abs(record.PlayerY * 16 - record.GoalY * 16);
  // On the goal itself only ax becomes 1, so the needle then points straight right.
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
  if (record.GoalX < record.PlayerX) dx = -dx;
  if (record.GoalY < record.PlayerY) dy = -dy;
  picture.Line(kCentre, kCentre, kCentre + dx, kCentre + dy, kCyan);
  picture.Line(kCentre, kCentre, kCentre - dx, kCentre - dy, kCyan);
  picture.FillWhite(kCentre - 2 + dx, kCentre - 2 + dy, 4, 4);
  game.platform.RepaintCompass();
}

}  // namespace zaptrail
