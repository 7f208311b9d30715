#include "session/session.hpp"

#include <cstdio>
#include <ctime>
#include <utility>

#include "files/file_system.hpp"
#include "game/errors.hpp"
#include "game/input.hpp"
#include "game/records.hpp"
#include "game/tick.hpp"
#include "session/close_and_save.hpp"
#include "session/daily.hpp"
#include "session/kept_trails.hpp"
#include "session/records_file.hpp"
#include "session/records_import.hpp"
#include "session/trail_file.hpp"
#include "session/trail_replay.hpp"
#include "session/trail_verify.hpp"

namespace zaptrail {
namespace {

constexpr char kNotSaved[] = "zaptrail: best times not saved: ";
constexpr char kTrailNotKept[] = "zaptrail: trail not kept: ";

// The tick set the best time of the level it cleared: the line of that level was added or
// changed. Cheap enough for every tick: only a playing tick can clear a level.
struct BestTimeBefore {
  explicit BestTimeBefore(const GameRecord& record) : level(record.Level) {
    if (record.Phase != PhasePlaying) return;
    lines = record.BestTimes.size();
    if (static_cast<size_t>(level) < lines) line = record.BestTimes[static_cast<size_t>(level)];
  }
  bool ChangedIn(const GameRecord& record) const {
    if (record.Level != level + 1 || record.BestTimes.size() <= static_cast<size_t>(level)) {
      return false;
    }
    return record.BestTimes.size() > lines || record.BestTimes[static_cast<size_t>(level)] != line;
  }
  int32_t level;
  size_t lines = 0;
  std::string line;
};

// A folder given from outside may lack its separator; '/' is one on every system.
std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string OrDefault(const std::string& overridden, std::string (*system)()) {
  return overridden.empty() ? system() : WithSeparator(overridden);
}

}  // namespace

Session::Session(Platform& platform, const PixelSurface& spriteSheet, SessionShell& shell,
                 ErrorLine errorLine)
    : input_(&platform),
      game_(input_, spriteSheet),
      shell_(shell),
      errorLine_(std::move(errorLine)) {
  game_.escape = [this] { CloseFromTick(); };
}

Session::~Session() = default;

// Plain stdio, so that a build without streams (the page's module) leaves them out.
void Session::WriteToStandardError(const std::string& line) {
  std::fputs((line + "\n").c_str(), stderr);
  std::fflush(stderr);
}

void Session::Start(const SessionOptions& options) {
  game_.appDir = OrDefault(options.appDir, files::ExecutableFolder);
  if (game_.appDir.empty()) throw GameError("cannot find the folder of the running program");
  if (!options.watchFile.empty()) {
    StartWatching(options.watchFile);
    return;
  }
  const std::string userFolder = OrDefault(options.userFolder, files::UserDataFolder);
  recordsPlace_ = ChooseRecordsPlace(game_.appDir, userFolder);
  // Without a folder of the player's (the page's storage has one place for everything), the
  // trails go beside the records.
  trailsFolder_ = TrailsFolder(userFolder.empty() ? game_.appDir : userFolder);
  daily_ = options.daily;
  const uint32_t seed = daily_ ? DailySeed(*daily_)
                               : options.seed.value_or(static_cast<uint32_t>(std::time(nullptr)));
  SetUpGame(game_, seed, LoadBestTimes(recordsPlace_), options.probe);
  StartTicks(shell_, kDesignPeriod);
}

void Session::NewGame() {
  if (Watching()) return;
  zaptrail::NewGame(game_);
}

void Session::FirstFrameShown() {
  ProbePendingJoystick(game_);
}

void Session::StartWatching(const std::string& path) {
  const std::string refused = "cannot watch ";
  Trail trail;
  Verification proof;
  try {
    trail = LoadTrailFile(path);
  } catch (const TrailError& error) {
    throw TrailError(refused + error.what());
  }
  try {
    proof = VerifyTrail(trail);
  } catch (const TrailError& error) {
    throw TrailError(refused + path + ": " + error.what());
  }
  if (!proof.matches) {
    throw TrailError(refused + path + ": the trail does not hold up: " + proof.difference);
  }
  watching_ = std::make_unique<Trail>(std::move(trail));
  replay_ = std::make_unique<TrailReplay>(*watching_);
  replay_->SetUp(game_, input_);
  watchedRandom_ = game_.random.State();
  period_ = replay_->Period();
  StartTicks(shell_, period_);
}

void Session::Tick() {
  if (closing_) return;
  if (Watching()) {
    WatchTick();
    return;
  }
  FollowNewGame();
  recorder_.BeforeTick(game_, period_);
  const bool halted = haltedFrom_.has_value();
  const BestTimeBefore best(game_.record);
  try {
    Timer1Timer(game_);
  } catch (const RecordsNotSaved& error) {
    AfterTick(best.level, halted, best.ChangedIn(game_.record));
    AskPlayer(error.what());
    return;
  } catch (...) {
    AfterTick(best.level, halted, best.ChangedIn(game_.record));
    throw;
  }
  AfterTick(best.level, halted, best.ChangedIn(game_.record));
}

void Session::FollowNewGame() {
  const PlayPhase phase = haltedFrom_.value_or(game_.record.Phase);
  if (phase != PhaseTitle || game_.record.TitleDelay != 0) return;
  if (recorder_.Recording() && !recorder_.HasTicked()) return;
  KeepTrails();
  // A daily run plays the day's mazes in every game, a new one after F2 or dying too.
  if (daily_) game_.random.Seed(DailySeed(*daily_));
  recorder_.Begin(game_, period_, daily_);
}

void Session::AfterTick(int32_t levelBefore, bool halted, bool newBest) {
  recorder_.AfterTick(game_, levelBefore, halted, newBest);
  // A dead chick's game is over: only a new game follows.
  if (!halted && game_.record.Phase == PhaseDead) KeepTrails();
}

void Session::KeepTrails() {
  std::string why;
  const std::optional<FinishedGame> finished = recorder_.Finish(why);
  if (!why.empty()) errorLine_(kTrailNotKept + why);
  if (!finished) return;
  for (const std::string& failure : KeepGame(trailsFolder_, *finished)) {
    errorLine_(kTrailNotKept + failure);
  }
  if (gameKept_) gameKept_(finished->whole);
}

void Session::WatchTick() {
  // The about box's label game may have drawn meanwhile; the trail's own draws are all that count.
  if (game_.random.State() != watchedRandom_) game_.random.Seed(watchedRandom_);
  if (replay_->Done()) {
    // The replay is over and its last picture stays; only Escape is still read.
    SampleInput(game_);
    return;
  }
  if (replay_->Period() != period_) {
    period_ = replay_->Period();
    StartTicks(shell_, period_);
  }
  struct KeepRandom {
    Session& session;
    ~KeepRandom() { session.watchedRandom_ = session.game_.random.State(); }
  } keepRandom{*this};
  replay_->Step(game_, input_);
}

bool Session::CloseByPlayer() {
  if (closing_) return true;
  // The question of an earlier close is still open: that one decides.
  if (asking_) return false;
  if (!Saves()) {
    Finish(0);
    return true;
  }
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Player);
  if (save.next == AfterSave::Close) {
    Finish(0);
  } else {
    AskPlayer(save.error);
  }
  return closing_;
}

void Session::CloseFromTick() {
  if (closing_ || asking_) return;
  if (!Saves()) return Finish(0);
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Player);
  if (save.next != AfterSave::Close) throw RecordsNotSaved(save.error);
  Finish(0);
}

void Session::CloseUnattended() {
  if (closing_) return;
  if (!Saves()) return Finish(0);
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Nobody);
  if (save.next != AfterSave::Close) errorLine_(kNotSaved + save.error);
  Finish(save.next == AfterSave::Close ? 0 : 1);
}

void Session::SaveAsDisplayIsLost() {
  if (closing_) return;
  closing_ = true;
  if (!Saves()) return;
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Nobody);
  errorLine_("zaptrail: lost the connection to the display; " +
             (save.next == AfterSave::Close ? "best times saved in " + save.savedTo
                                            : "best times not saved: " + save.error));
  KeepTrails();
}

std::string Session::SaveWhileRunning() {
  if (closing_ || !Saves()) return {};
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Nobody);
  return save.next == AfterSave::Close ? std::string() : save.error;
}

void Session::DialogOpens() {
  // A watched game goes on under a dialog: its trail says when the player's game halted.
  if (haltedFrom_ || Watching()) return;
  haltedFrom_ = game_.record.Phase;
  game_.record.Phase = PhaseHalted;
}

void Session::SettingsEnd(DialogResult result, std::string_view periodText) {
  struct PhaseBack {
    Session& session;
    ~PhaseBack() { session.RestorePhase(); }
  } phaseBack{*this};
  if (result == DialogResult::Ok && !Watching()) ApplyTimerPeriod(shell_, period_, periodText);
}

void Session::AboutBoxEnds() {
  RestorePhase();
}

std::string Session::RecordsToExport() const {
  return FormatRecords(
      MergeRecords(game_.record.BestTimes, RecordsASaveWouldMerge(SavePath(recordsPlace_))));
}

std::string Session::ImportRecords(std::string_view content, const std::string& fileName) {
  BestTimes& bestTimes = game_.record.BestTimes;
  bestTimes = MergeRecords(bestTimes, ParseImportedRecords(content, fileName));
  const CloseSave save = SaveBeforeClosing(bestTimes, recordsPlace_, CloseAsker::Nobody);
  return save.next == AfterSave::Close ? std::string() : save.error;
}

void Session::EndByLabelGame(const std::function<void(std::function<void()>)>& showBox) {
  if (closing_) return;
  if (!Saves())
    return showBox([this] {
      if (!closing_) Finish(0);
    });
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Nobody);
  if (save.next != AfterSave::Close) errorLine_(kNotSaved + save.error);
  showBox([this] {
    if (!closing_) Finish(0);
  });
}

void Session::AskPlayer(const std::string& message) {
  asking_ = true;
  shell_.AskQuitWithoutSaving(message, [this](bool quit) {
    asking_ = false;
    // An unattended close may have ended the run while the question was open.
    if (quit && !closing_) Finish(0);
  });
}

void Session::Finish(int status) {
  closing_ = true;
  if (Saves()) KeepTrails();
  shell_.Stop();
  shell_.EndProgram(status);
}

void Session::RestorePhase() {
  if (!haltedFrom_) return;
  game_.record.Phase = *haltedFrom_;
  haltedFrom_.reset();
}

}  // namespace zaptrail
