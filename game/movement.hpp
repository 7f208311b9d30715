#pragma once

namespace zaptrail {

struct Game;
struct InputFlags;

// Moves the chick at most one cell (one each way in the gravity variants) and sets its pose.
void MovePlayer(Game& game, const InputFlags& input);

}  // namespace zaptrail
