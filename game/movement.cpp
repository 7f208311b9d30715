#include "game/movement.hpp"

#include "game/game.hpp"
#include "game/input.hpp"
#include "game/variants.hpp"

namespace zaptrail {
namespace {

// The first step in a direction takes the lower walking pose, the next one the other.
int8_t WalkingPose(int8_t current, int8_t first) {
  return current == first ? static_cast<int8_t>(first + 1) : first;
}

int8_t StandingPose(int8_t current) {
  return static_cast<int8_t>(current / 3 * 3);
}

void MoveOrdinary(GameRecord& record, const InputFlags& input, const uint8_t* here) {
  const int32_t width = record.MazeWidth;
  if (input.heldUp && !IsSolid(here[-width])) {
    record.PlayerY -= 1;
    record.PlayerPose = WalkingPose(record.PlayerPose, 1);
  } else if (input.heldRight && !IsSolid(here[1])) {
    record.PlayerX += 1;
    record.PlayerPose = WalkingPose(record.PlayerPose, 4);
  } else if (input.heldDown && !IsSolid(here[width])) {
    record.PlayerY += 1;
    record.PlayerPose = WalkingPose(record.PlayerPose, 7);
  } else if (input.heldLeft && !IsSolid(here[-1])) {
    record.PlayerX -= 1;
    record.PlayerPose = WalkingPose(record.PlayerPose, 10);
  } else {
    record.PlayerPose = StandingPose(record.PlayerPose);
  }
}

void MoveWithGravity(GameRecord& record, const InputFlags& input, const uint8_t* here) {
  const int32_t width = record.MazeWidth;
  const uint8_t below = here[width];
  if (!IsSolid(here[-width]) && (below == CellCloud || below == CellCloudWall)) {
    record.PlayerY -= 1;
  } else if (!IsSolid(below) && record.PlayerY != record.MazeHeight - 2) {
    record.PlayerY += 1;
  }
  // The sideways step is tested on the row the chick started on, so it may land diagonally
  // inside a solid cell; the same rules move it out again.
  if (input.heldRight && !IsSolid(here[1])) {
    record.PlayerX += 1;
    record.PlayerPose = WalkingPose(record.PlayerPose, 4);
  } else if (input.heldLeft && !IsSolid(here[-1])) {
    record.PlayerX -= 1;
    record.PlayerPose = WalkingPose(record.PlayerPose, 10);
  } else {
    record.PlayerPose = StandingPose(record.PlayerPose);
  }
}

}  // namespace

void MovePlayer(Game& game, const InputFlags& input) {
  GameRecord& record = game.record;
  const uint8_t* here = record.Cells.data() + record.CellIndex(record.PlayerX, record.PlayerY);
  if (HasClouds(record.Variant)) {
    MoveWithGravity(record, input, here);
  } else {
    MoveOrdinary(record, input, here);
  }
}

}  // namespace zaptrail
