#include "tools/sim/replay.hpp"

#include <exception>
#include <string>

#include "game/errors.hpp"
#include "game/game.hpp"
#include "game/level.hpp"
#include "game/records.hpp"
#include "game/tick.hpp"
#include "session/close_and_save.hpp"
#include "session/records_file.hpp"
#include "tools/sim/replay_input.hpp"
#include "tools/sim/scripted_platform.hpp"
#include "tools/sim/sim_report.hpp"
#include "tools/sim/snapshot.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail {
namespace {

class PrintingTrace : public Trace {
 public:
  explicit PrintingTrace(std::ostream& out) : out_(out) {}
  void Cue(uint8_t index) override { out_ << "cue " << int{index} << '\n'; }
  void Text(int32_t column, int32_t row, std::string_view text) override {
    out_ << "text " << column << ' ' << row << ' ' << text << '\n';
  }

 private:
  std::ostream& out_;
};

}  // namespace

int RunLevel(const SimArguments& arguments, std::ostream& out) {
  ScriptedPlatform platform;
  Game game(platform, SpriteSheet());
  GameRecord& record = game.record;
  record.TileSize = kTileSize;
  SetLevel(record, arguments.level);
  game.random.Seed(arguments.seed);
  ResetLevelStart(record);
  BuildLevel(game);
  PrintLevel(out, game);
  return 0;
}

int RunPlay(const SimArguments& arguments, std::istream& in, std::ostream& out, std::ostream& err) {
  ScriptedPlatform platform;
  Game game(platform, SpriteSheet());
  try {
    SetUpGame(game, arguments.seed, LoadRecordsIfPresent(arguments.recordsPath));
  } catch (const std::exception& error) {
    err << "zaptrail-sim: " << error.what() << ".\n";
    return 1;
  }
  SetLevel(game.record, arguments.level);

  PrintingTrace trace(out);
  game.trace = &trace;
  platform.CloseOnEscape(game);
  platform.onClose = [&] {
    if (!arguments.recordsPath.empty()) {
      try {
        SaveRecords(game.record.BestTimes, arguments.recordsPath);
      } catch (const GameError& error) {
        throw RecordsNotSaved(error.what());
      }
    }
    out << "close\n";
  };

  std::string line;
  int64_t tick = 0;
  while (!platform.closed && std::getline(in, line)) {
    platform.HoldOnly(HeldKeysFromLine(line));
    try {
      Timer1Timer(game);
    } catch (const RecordsNotSaved& error) {
      // Nobody is there to answer the question a player would get, so the run ends: a replay
      // that held Escape would otherwise fail again at every tick.
      err << "zaptrail-sim: " << error.what() << ".\n";
      return 1;
    } catch (const std::exception& error) {
      out << "error " << error.what() << ".\n";
    }
    PrintTickState(out, ++tick, game, platform.left, platform.top);
  }

  out << "best";
  LineReader bestTimes(game.record.BestTimes.Joined());
  const char* separator = " ";
  for (std::string_view line; bestTimes.Next(line); separator = ",") out << separator << line;
  out << '\n';
  if (!arguments.snapshotPath.empty() && !WriteSnapshot(game.playField, arguments.snapshotPath)) {
    err << "zaptrail-sim: cannot write " << arguments.snapshotPath << '\n';
    return 1;
  }
  return 0;
}

}  // namespace zaptrail
