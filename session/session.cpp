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
#include "session/records_file.hpp"
#include "session/records_import.hpp"

namespace zaptrail {
namespace {

constexpr char kNotSaved[] = "zaptrail: best times not saved: ";

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
    : game_(platform, spriteSheet), shell_(shell), errorLine_(std::move(errorLine)) {
  game_.escape = [this] { CloseFromTick(); };
}

// Plain stdio, so that a build without streams (the page's module) leaves them out.
void Session::WriteToStandardError(const std::string& line) {
  std::fputs((line + "\n").c_str(), stderr);
  std::fflush(stderr);
}

void Session::Start(const SessionOptions& options) {
  game_.appDir = OrDefault(options.appDir, files::ExecutableFolder);
  if (game_.appDir.empty()) throw GameError("cannot find the folder of the running program");
  recordsPlace_ =
      ChooseRecordsPlace(game_.appDir, OrDefault(options.userFolder, files::UserDataFolder));
  const uint32_t seed = options.seed.value_or(static_cast<uint32_t>(std::time(nullptr)));
  SetUpGame(game_, seed, LoadBestTimes(recordsPlace_), options.probe);
  StartTicks(shell_, kDesignPeriod);
}

void Session::NewGame() {
  zaptrail::NewGame(game_);
}

void Session::FirstFrameShown() {
  ProbePendingJoystick(game_);
}

void Session::Tick() {
  if (closing_) return;
  try {
    Timer1Timer(game_);
  } catch (const RecordsNotSaved& error) {
    AskPlayer(error.what());
  }
}

bool Session::CloseByPlayer() {
  if (closing_) return true;
  // The question of an earlier close is still open: that one decides.
  if (asking_) return false;
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
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Player);
  if (save.next != AfterSave::Close) throw RecordsNotSaved(save.error);
  Finish(0);
}

void Session::CloseUnattended() {
  if (closing_) return;
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Nobody);
  if (save.next != AfterSave::Close) errorLine_(kNotSaved + save.error);
  Finish(save.next == AfterSave::Close ? 0 : 1);
}

void Session::SaveAsDisplayIsLost() {
  if (closing_) return;
  closing_ = true;
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Nobody);
  errorLine_("zaptrail: lost the connection to the display; " +
             (save.next == AfterSave::Close ? "best times saved in " + save.savedTo
                                            : "best times not saved: " + save.error));
}

std::string Session::SaveWhileRunning() {
  if (closing_) return {};
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, recordsPlace_, CloseAsker::Nobody);
  return save.next == AfterSave::Close ? std::string() : save.error;
}

void Session::DialogOpens() {
  if (haltedFrom_) return;
  haltedFrom_ = game_.record.Phase;
  game_.record.Phase = PhaseHalted;
}

void Session::SettingsEnd(DialogResult result, std::string_view periodText) {
  struct PhaseBack {
    Session& session;
    ~PhaseBack() { session.RestorePhase(); }
  } phaseBack{*this};
  if (result == DialogResult::Ok) ApplyTimerPeriod(shell_, period_, periodText);
}

void Session::AboutBoxEnds() {
  RestorePhase();
}

std::string Session::RecordsToExport() const {
  return FormatRecords(
      MergeRecords(game_.record.BestTimes, RecordsASaveWouldMerge(SavePath(recordsPlace_))));
}

std::string Session::ImportRecords(std::string_view content, const std::string& fileName) {
  std::vector<std::string>& bestTimes = game_.record.BestTimes;
  bestTimes = MergeRecords(bestTimes, ParseImportedRecords(content, fileName));
  const CloseSave save = SaveBeforeClosing(bestTimes, recordsPlace_, CloseAsker::Nobody);
  return save.next == AfterSave::Close ? std::string() : save.error;
}

void Session::EndByLabelGame(const std::function<void(std::function<void()>)>& showBox) {
  if (closing_) return;
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
  shell_.Stop();
  shell_.EndProgram(status);
}

void Session::RestorePhase() {
  if (!haltedFrom_) return;
  game_.record.Phase = *haltedFrom_;
  haltedFrom_.reset();
}

}  // namespace zaptrail
