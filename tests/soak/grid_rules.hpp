#pragma once

#include <cstdint>
#include <string>

#include "game/game_record.hpp"

namespace zaptrail::soak {

// The grid as it was last allocated. MazeWidth and MazeHeight grow when a level is cleared and
// shrink at a new game, but the grid only follows at the next level start.
struct GridShape {
  int32_t width = 0;
  int32_t height = 0;
};

// The first rule the record breaks, or an empty text: the grid has its shape's size; its
// outermost rows and columns are solid, the bottom row only walls or clouds in a wall; the
// chick, the goal and every live mover lie where their moves can take them; while playing, the
// goal is stamped and power is left.
std::string FindBrokenRule(const GameRecord& record, GridShape shape);

}  // namespace zaptrail::soak
