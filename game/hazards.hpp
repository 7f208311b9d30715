#pragma once

namespace zaptrail {

struct Game;

// The hazards of the current variant, then the goal stamp, once per playing tick.
void RunHazards(Game& game);

void RiseClouds(Game& game);
void WanderBlocks(Game& game);
void WanderGoal(Game& game);
void ShakeWindow(Game& game);
void StampGoal(Game& game);

}  // namespace zaptrail
