#include "tests/soak/grid_rules.hpp"

#include <sstream>

namespace zaptrail::soak {
namespace {

struct Area {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;

  bool Holds(int32_t x, int32_t y) const {
    return x >= left && x <= right && y >= top && y <= bottom;
  }
};

std::string Outside(const char* what, int32_t x, int32_t y) {
  std::ostringstream text;
  text << what << " at (" << x << ", " << y << ") is outside the cells it may reach";
  return text.str();
}

uint8_t CellAt(const GameRecord& record, GridShape shape, int32_t x, int32_t y) {
  return record.Cells[static_cast<size_t>(x + y * shape.width)];
}

std::string BadFrameCell(const GameRecord& record, GridShape shape) {
  const auto cell = [&](int32_t x, int32_t y) { return CellAt(record, shape, x, y); };
  const auto describe = [&](int32_t x, int32_t y) {
    std::ostringstream text;
    text << "frame cell (" << x << ", " << y << ") holds " << int{cell(x, y)};
    return text.str();
  };
  const int32_t bottom = shape.height - 1;
  for (int32_t x = 0; x < shape.width; ++x) {
    if (!IsSolid(cell(x, 0))) return describe(x, 0);
    if (cell(x, bottom) != CellWall && cell(x, bottom) != CellCloudWall) return describe(x, bottom);
  }
  for (int32_t y = 1; y < bottom; ++y) {
    if (!IsSolid(cell(0, y))) return describe(0, y);
    if (!IsSolid(cell(shape.width - 1, y))) return describe(shape.width - 1, y);
  }
  return {};
}

std::string BadMover(const GameRecord& record, GridShape shape) {
  // Clouds cycle through the bottom row of the frame; wall blocks only enter free cells.
  const bool clouds = record.Variant == 1 || record.Variant == 6;
  const Area reach{1, 1, shape.width - 2, clouds ? shape.height - 1 : shape.height - 2};
  for (size_t i = 0; i < record.MoverActive.size(); ++i) {
    if (record.MoverActive[i] == 0) continue;
    if (!reach.Holds(record.MoverX[i], record.MoverY[i])) {
      return Outside(clouds ? "a cloud" : "a wall block", record.MoverX[i], record.MoverY[i]);
    }
  }
  return {};
}

}  // namespace

std::string FindBrokenRule(const GameRecord& record, GridShape shape) {
  if (record.Cells.size() != static_cast<size_t>(shape.width) * static_cast<size_t>(shape.height)) {
    std::ostringstream text;
    text << "the grid holds " << record.Cells.size() << " cells for " << shape.width << " x "
         << shape.height;
    return text.str();
  }
  if (std::string broken = BadFrameCell(record, shape); !broken.empty()) return broken;
  const Area interior{1, 1, shape.width - 2, shape.height - 2};
  if (!interior.Holds(record.PlayerX, record.PlayerY)) {
    return Outside("the chick", record.PlayerX, record.PlayerY);
  }
  if (!interior.Holds(record.GoalX, record.GoalY)) {
    return Outside("the goal", record.GoalX, record.GoalY);
  }
  if (std::string broken = BadMover(record, shape); !broken.empty()) return broken;
  if (record.Phase == PhasePlaying) {
    if (CellAt(record, shape, record.GoalX, record.GoalY) != CellGoal) {
      return "the goal's cell is not stamped";
    }
    if (record.Power <= 0) return "playing on without power";
  }
  return {};
}

}  // namespace zaptrail::soak
