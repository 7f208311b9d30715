#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "game/game.hpp"
#include "session/halted_dialog.hpp"
#include "session/records_place.hpp"
#include "session/tick_period.hpp"
#include "session/trail.hpp"
#include "session/trail_input.hpp"
#include "session/trail_recorder.hpp"

namespace zaptrail {

// What a session needs from the shell that shows it, beyond the Platform the game itself uses.
// The shell's periodic timer is the tick timer.
class SessionShell : public PeriodicTimer {
 public:
  // Ends the program with this exit status once the current handler has returned, ending the
  // loop of any dialog still open with it.
  virtual void EndProgram(int status) = 0;
  // Shows the failed-save error (the message without its full stop) with a second button that
  // quits without saving, and passes on whether the player chose it. A shell that shows it
  // modally answers before returning; one that cannot block answers when the player does.
  virtual void AskQuitWithoutSaving(const std::string& message,
                                    std::function<void(bool quit)> answer) = 0;
};

// How a run starts. The seed and the folders are overrides for tests only; the game itself
// starts with none of them.
struct SessionOptions {
  std::optional<uint32_t> seed;  // instead of the clock
  std::string appDir;            // instead of the executable's folder
  std::string userFolder;        // instead of the player's data folder
  JoystickProbeTime probe = JoystickProbeTime::DuringSetUp;
  // Every game of the run starts on this date's daily seed (--daily).
  std::optional<TrailDate> daily;
  // The run watches this trail file instead of playing (--watch): nothing is recorded or saved.
  std::string watchFile;
};

class TrailReplay;

// One run of the game as its main window lives it, apart from drawing and events: start-up,
// ticks, the menu dialogs' halting, and every way the run ends, with its exit status. Each
// shell turns its events into these calls and shows what follows.
class Session {
 public:
  // Where the one line goes that a close nobody watches leaves when it could not save, or when
  // the display was lost; the standard error stream unless a test listens.
  using ErrorLine = std::function<void(const std::string& line)>;
  // Told of every ended game once its trails are kept, with the whole game's trail.
  using GameKept = std::function<void(const Trail& game)>;
  Session(Platform& platform, const PixelSurface& spriteSheet, SessionShell& shell,
          ErrorLine errorLine = WriteToStandardError);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Game& GameState() { return game_; }
  // Where this run reads and writes its best times, chosen at start.
  const RecordsPlace& Records() const { return recordsPlace_; }
  // The tick timer's period in force, in milliseconds; 0 while the ticks are stopped.
  int32_t TickPeriod() const { return period_; }

  // The main window's creation: program folder, records place and file, seed, the game on its
  // title screen, and the tick timer at the design period. Throws the error dialog's message.
  // A trail to watch is proved first, and refused with a TrailError saying why.
  void Start(const SessionOptions& options);
  // True while the run watches a trail.
  bool Watching() const { return watching_ != nullptr; }
  void TellKeptGames(GameKept told) { gameKept_ = std::move(told); }

  // F2: the title screen of a new game, from wherever the game is. A watched game is the
  // trail's alone: nothing happens.
  void NewGame();
  // The shell has shown its first frame: a joystick probe left for it runs now.
  void FirstFrameShown();

  // One timer event, none once the run is ending. A save that fails under Escape asks the
  // player (below).
  void Tick();

  // The player closed the main window (close box, Quit, the system menu). The records are
  // saved; when that fails the player is asked whether to quit without saving, and the window
  // stays open otherwise. While an earlier close's question is open, that one decides and
  // nothing happens. True when the window may go now.
  bool CloseByPlayer();
  // Escape seen by a tick: as above, except that a failed save throws RecordsNotSaved so that
  // the rest of the tick does not run; Tick then asks the player.
  void CloseFromTick();
  // A close nobody can answer (a signal, logging off, shutting down): the save falls back to
  // the other folder, and the program ends with status 0, or 1 and a line on `errors` when
  // nothing was saved.
  void CloseUnattended();
  // The connection to the display is gone and the process is ending on its own: the records
  // are saved as by an unattended close and one line on `errors` says what happened.
  void SaveAsDisplayIsLost();
  // The page that shows the run is hidden or going away, and the run may go on: the records are
  // saved as by an unattended close, but nothing ends. Returns why they were not saved, empty
  // when they were or when the run is already ending.
  std::string SaveWhileRunning();

  // The menu's dialogs halt the game while they are open. A shell calls DialogOpens when it
  // shows one and the matching end when it is gone, at once or later.
  void DialogOpens();
  // Applies the period text on OK (which may throw the conversion's error) and gives the Phase
  // back on every path.
  void SettingsEnd(DialogResult result, std::string_view periodText);
  void AboutBoxEnds();

  // The records file's text as a save would write it now: this run's best times merged with what
  // the records place holds.
  std::string RecordsToExport() const;
  // Merges a records file the player brought in (`content`, called `fileName` in messages) into
  // this run's best times and saves them at once, also once the run has ended, since the next
  // run starts from what is stored. A file that is no records file throws the error dialog's
  // message and changes nothing. Returns why the save failed, empty when it did not.
  std::string ImportRecords(std::string_view content, const std::string& fileName);

  // The about box's label game has reached its end. The records are saved first, silently as
  // by a signal (a failure only goes to `errors`); then `showBox` shows "GET ANGRY" and calls the
  // function it is given once the box is dismissed, at once or later, which ends the program.
  void EndByLabelGame(const std::function<void(std::function<void()> dismissed)>& showBox);

 private:
  static void WriteToStandardError(const std::string& line);
  void AskPlayer(const std::string& message);
  void Finish(int status);
  void RestorePhase();
  void StartWatching(const std::string& path);
  void WatchTick();
  // Each game is recorded from the first tick after its NewGame, which this notices.
  void FollowNewGame();
  void AfterTick(int32_t levelBefore, bool halted, bool newBest);
  void KeepTrails();
  bool Saves() const { return !Watching(); }

  TrailInput input_;
  Game game_;
  RecordsPlace recordsPlace_;
  SessionShell& shell_;
  ErrorLine errorLine_;
  int32_t period_ = kDesignPeriod;
  std::optional<PlayPhase> haltedFrom_;
  bool asking_ = false;
  bool closing_ = false;
  TrailRecorder recorder_;
  std::optional<TrailDate> daily_;
  std::string trailsFolder_;
  GameKept gameKept_;
  // While watching: the trail, its replay, and the random state the last tick left, which
  // nothing between ticks may change (the label game in an about box opened meanwhile).
  std::unique_ptr<Trail> watching_;
  std::unique_ptr<TrailReplay> replay_;
  uint32_t watchedRandom_ = 0;
};

}  // namespace zaptrail
