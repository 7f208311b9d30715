#include "game/goal.hpp"

#include <optional>
#include <string>

#include "game/cues.hpp"
#include "game/errors.hpp"
#include "game/game.hpp"
#include "game/integer_text.hpp"
#include "game/level.hpp"
#include "game/play_field.hpp"
#include "game/text.hpp"

namespace zaptrail {
namespace {

constexpr int32_t kItemPower = 30;

std::string BestTimeLine(const GameRecord& record, int32_t level) {
  // Only a replay started beyond its records can ask for a line that is not there.
  if (static_cast<size_t>(level) >= record.BestTimes.size()) {
    throw GameError("List index out of bounds (" + std::to_string(level) + ")");
  }
  return std::string(record.BestTimes[static_cast<size_t>(level)]);
}

void ShowRecordedTime(Game& game, int32_t time) {
  PutText(game, 0, 1, "ti:" + std::to_string(time) + " recorded.");
}

void ShowFirstChallenge(Game& game, int32_t time) {
  PutText(game, 0, 0, "1st challenge");
  ShowRecordedTime(game, time);
}

}  // namespace

bool CheckCell(Game& game) {
  GameRecord& record = game.record;
  uint8_t& cell =
      record.Cells[static_cast<size_t>(record.CellIndex(record.PlayerX, record.PlayerY))];
  if (cell == CellItem) {
    cell = CellFloor;
    record.Power += kItemPower;
    PlayCue(game, CueItem);
    return false;
  }
  if (cell == CellGoal) {
    FinishLevel(game);
    return true;
  }
  return false;
}

void FinishLevel(Game& game) {
  GameRecord& record = game.record;
  const int32_t time = record.ElapsedTime;
  const int32_t level = record.Level;
  record.Phase = PhaseHalted;
  PlayCue(game, CueGoal);
  DrawView(game, record.ClearTile);
  // A line that is no number must not hold the game on this goal: the level counts as cleared
  // for the first time, this time takes the line's place, and the error shows once the level
  // is finished.
  std::optional<GameError> badLine;
  if (record.BestTimes.size() == static_cast<size_t>(level)) {
    ShowFirstChallenge(game, time);
    record.BestTimes.push_back(std::to_string(time));
  } else {
    const std::string stored = BestTimeLine(record, level);
    const std::optional<int32_t> best = ParseInteger(stored);
    if (!best) {
      badLine.emplace(NotAnIntegerMessage(stored));
      ShowFirstChallenge(game, time);
      record.BestTimes.Replace(static_cast<size_t>(level), std::to_string(time));
    } else if (time < *best) {
      PutText(game, 0, 0, "New record");
      ShowRecordedTime(game, time);
      record.BestTimes.Replace(static_cast<size_t>(level), std::to_string(time));
    } else {
      PutText(game, 0, 0, "Top:" + stored);
    }
  }
  record.MazeWidth += kMazeGrowth;
  record.MazeHeight += kMazeGrowth;
  game.platform.RepaintPlayField();
  record.Phase = PhaseTitle;
  record.Level += 1;
  if (badLine) throw *badLine;
}

void AdvanceClock(Game& game) {
  GameRecord& record = game.record;
  record.SubTick += 1;
  if (record.SubTick == 4) {
    record.SubTick = 0;
    record.ElapsedTime += 1;
  }
  if (record.SubTick % 2 == 0) record.Power -= 1;
}

void CheckDeath(Game& game) {
  GameRecord& record = game.record;
  if (record.Power != 0) return;
  DrawView(game, DeadTile);
  record.Phase = PhaseDead;
  PutText(game, 0, 0, "you died.");
  PutText(game, 0, 1, "Max Lv=" + std::to_string(record.BestTimes.size()));
  PlayCue(game, CueDeath);
}

}  // namespace zaptrail
