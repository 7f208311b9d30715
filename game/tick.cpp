#include "game/tick.hpp"

#include "game/compass.hpp"
#include "game/game.hpp"
#include "game/goal.hpp"
#include "game/hazards.hpp"
#include "game/input.hpp"
#include "game/level.hpp"
#include "game/movement.hpp"
#include "game/play_field.hpp"
#include "game/text.hpp"

namespace zaptrail {
namespace {

constexpr int8_t kTitleTicks = 8;

void PlayingTick(Game& game, const InputFlags& input) {
  GameRecord& record = game.record;
  if (CheckCell(game)) return;
  MovePlayer(game, input);
  RunHazards(game);
  AdvanceClock(game);
  DrawView(game, static_cast<uint8_t>(ChickTile + record.PlayerPose));
  record.GoalFrame = (record.GoalFrame + 1) % 3;
  DrawCompass(game);
  CheckDeath(game);
  game.platform.RepaintPlayField();
}

}  // namespace

void NewGame(Game& game) {
  GameRecord& record = game.record;
  SetStartSizes(record);
  record.Power = 500;
  SizePlayField(game);
  if (game.drawsPixels) {
    game.playField.FillBlack(0, 0, game.playField.Width(), game.playField.Height());
  }
  PutText(game, 1, 2, "zap trail");
  PutText(game, 1, 4, "lumlum works inc.");
  record.Phase = PhaseTitle;
  record.TitleDelay = 0;
  game.platform.RepaintPlayField();
}

void ResetLevelStart(GameRecord& record) {
  record.PlayerX = 1;
  record.PlayerY = 1;
  record.ClearTile = ChickTile;
  record.PlayerPose = 6;
  record.ElapsedTime = 0;
  record.SubTick = 0;
}

void StartLevel(Game& game) {
  ResetLevelStart(game.record);
  BuildLevel(game);
  game.record.Phase = PhasePlaying;
}

void Timer1Timer(Game& game) {
  GameRecord& record = game.record;
  // The title screen's first eight ticks act on no input but Escape, a key; a probe left for
  // after the first frame is still in time until the first tick whose input counts.
  if (record.Phase != PhaseTitle || record.TitleDelay == kTitleTicks) ProbePendingJoystick(game);
  const InputFlags input = SampleInput(game);
  game.sampled = input;
  switch (record.Phase) {
    case PhaseTitle:
      if (record.TitleDelay != kTitleTicks) {
        ++record.TitleDelay;
      } else if (input.fire) {
        StartLevel(game);
      }
      return;
    case PhaseDead:
      if (input.fire) NewGame(game);
      return;
    case PhaseHalted:
      return;
    default:
      PlayingTick(game, input);
  }
}

}  // namespace zaptrail
