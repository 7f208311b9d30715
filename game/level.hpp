#pragma once

#include <cstdint>

namespace zaptrail {

struct Game;
struct GameRecord;

// A new game starts on a 21 x 21 maze; every cleared level adds six cells each way.
inline constexpr int32_t kFirstMazeSize = 21;
inline constexpr int32_t kMazeGrowth = 6;

// Sets the Level and the maze size a game reaches it with, 21 + 6 x Level each way.
void SetLevel(GameRecord& record, int32_t level);
// What every new game starts from: the tile size and Level 0 with its 21 x 21 maze.
void SetStartSizes(GameRecord& record);

// Builds the maze of the current Level: grid, variant, movers, chick, items and goal.
void BuildLevel(Game& game);
// Draws column then row until the cell holds floor; the grid is not changed.
void PickRandomEmptyCell(Game& game, int32_t& column, int32_t& row);
// Draws flat indices until one holds floor, then writes code there.
void PlaceAtRandomEmptyCell(Game& game, uint8_t code);

// Wall-removal tries of a variant for a W x H grid.
int32_t WallRemovalTries(int8_t variant, int32_t cellCount);
// Live movers a level starts with (clouds or wall blocks; 0 in the other variants).
int32_t MoverCount(int8_t variant, int32_t level, int32_t width, int32_t cellCount);

}  // namespace zaptrail
