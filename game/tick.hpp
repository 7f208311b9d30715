#pragma once

namespace zaptrail {

struct Game;

// Back to the title screen with a 21 x 21 maze, Level 0 and full power.
void NewGame(Game& game);
struct GameRecord;

// The first step of every level start: the chick at (1, 1) facing down, clocks at zero.
void ResetLevelStart(GameRecord& record);
// Resets the per-level counters, builds the level and starts playing it.
void StartLevel(Game& game);
// One game tick: samples the input, then acts by phase.
void Timer1Timer(Game& game);

}  // namespace zaptrail
