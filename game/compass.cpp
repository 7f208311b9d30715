#include "game/compass.hpp"

#include "game/game.hpp"
#include "view/compass_needle.hpp"

namespace zaptrail {

void DrawCompass(Game& game) {
  if (!game.drawsPixels) return;
  const GameRecord& record = game.record;
  DrawCompassNeedle(game.compass, record.GoalX - record.PlayerX, record.GoalY - record.PlayerY);
  game.platform.RepaintCompass();
}

}  // namespace zaptrail
