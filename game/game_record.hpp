#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/best_times.hpp"

namespace zaptrail {

inline constexpr int32_t kMoverSlots = 1024;

// Cell codes of the maze grid.
inline constexpr uint8_t CellFloor = 0;
inline constexpr uint8_t CellWall = 1;
inline constexpr uint8_t CellItem = 80;
inline constexpr uint8_t CellGoal = 112;
inline constexpr uint8_t CellCloud = 120;
inline constexpr uint8_t CellCloudWall = 121;

enum PlayPhase : int8_t { PhaseTitle = 0, PhasePlaying = 1, PhaseHalted = 2, PhaseDead = 3 };

// Edge of a tile in pixels, on the sheet and in the view.
inline constexpr int32_t kTileSize = 16;

// Tiles the tick draws at the chick's place.
inline constexpr uint8_t ChickTile = 64;
inline constexpr uint8_t DeadTile = 76;

constexpr bool IsSolid(uint8_t code) {
  return code == CellWall || code == CellCloud || code == CellCloudWall;
}

// The whole state of a game, in declaration order. Every field starts at zero.
struct GameRecord {
  int32_t MazeWidth = 0;
  int32_t MazeHeight = 0;
  int32_t PlayerX = 0;
  int32_t PlayerY = 0;
  int32_t GoalX = 0;
  int32_t GoalY = 0;
  int32_t GoalHeading = 0;
  int32_t ElapsedTime = 0;
  int32_t SubTick = 0;
  int32_t Level = 0;
  int32_t GoalFrame = 0;
  std::array<int32_t, kMoverSlots> MoverX{};
  std::array<int32_t, kMoverSlots> MoverY{};
  int32_t Power = 0;
  std::vector<uint8_t> Cells;  // MazeWidth x MazeHeight, row-major, as last allocated
  uint8_t ClearTile = 0;
  uint8_t JoystickPresent = 0;
  int8_t PlayerPose = 0;
  PlayPhase Phase = PhaseTitle;
  int8_t Variant = 0;
  std::array<uint8_t, kMoverSlots> MoverActive{};
  int8_t TitleDelay = 0;
  int32_t TileSize = 0;
  uint32_t JoyLowX = 0;
  uint32_t JoyLowY = 0;
  uint32_t JoyHighX = 0;
  uint32_t JoyHighY = 0;
  zaptrail::BestTimes BestTimes;

  int32_t CellIndex(int32_t x, int32_t y) const { return x + y * MazeWidth; }
};

}  // namespace zaptrail
