#pragma once

#include <emscripten/html5.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "session/session.hpp"
#include "session/window_descriptions.hpp"
#include "web/tform3.hpp"
#include "web/tform9.hpp"
#include "web/tick_schedule.hpp"
#include "web/web_platform.hpp"

namespace zaptrail {

// The main panel of the page: it turns the page's events into the session's calls and runs the
// tick timer against the page's clock. What the events do is the session's.
class TForm1 : private SessionShell {
 public:
  // With `manualTicks` no timer runs: ticks come from StepTicks only (the page's test hook).
  TForm1(const SessionOptions& options, bool manualTicks);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  Session& GameSession() { return *session_; }
  TForm3& Form3() { return *form3_; }
  const Game& GameState() const { return session_->GameState(); }

  // Starts a run: the session's start-up, then the first pictures. A run that was to watch a
  // trail the session refuses has shown why, and a new game starts instead.
  void FormCreate();
  void StepTicks(int32_t count);
  // A touch control pressed or let go at `at` on the page's clock.
  void TouchHold(Key key, bool down, double at);
  // The page's dialog has gone; `quit` when the player chose to quit without saving.
  void DialogClosed(bool quit);
  // After a run ended: a fresh one from the title screen, or the watch asked for.
  void PlayAgain();
  // Watches the trail at `path` (a kept trail, or a file the page handed over) in a run of its
  // own, once the run going now has closed as by the player's close, records saved and its
  // game kept.
  void Watch(const std::string& path);
  // `code` is the settings dialog's result: OK applies the period text.
  void SettingsClosed(int code);
  // True while the error dialog or a message box is shown: it holds the keys, and the game sees
  // none. The settings dialog and the about box are the game's windows, whose keys count as on
  // the desktop.
  bool ErrorShown() const { return errorShown_; }
  // The page's size changed, and the panels with it.
  void PlaceCompass();
  // The records as this run holds them, in the file's text.
  std::string BestTimesText();
  // Ticks run since the page started, for the tests' hook.
  int64_t TicksRun() const { return ticksRun_; }
  TForm9& AboutBox() { return *form9_; }

  // The menu's items, by the handlers named after them.
  void MenuCommand(zaptrail::MenuCommand command);
  void Reset1Click();
  // The settings dialog with the game halted; the page tells of its end through SettingsClosed.
  void Property1Click();
  void Quit1Click();
  void SearchforHelpOn1Click();
  void K1Click();

  // The default error dialog with this text, and a second button that quits without saving when
  // `offerQuit`.
  void ShowError(const std::string& text, bool offerQuit = false);
  // A box with an OK button alone; `dismissed` runs once the player has closed it.
  void ShowMessageBox(const std::string& caption, const std::string& text,
                      std::function<void()> dismissed);

 private:
  void Timer1Timer();
  void CreateRun(const SessionOptions& options);
  static void OnRunFollows(void* form);
  void RunEndedCommand(zaptrail::MenuCommand command);
  void TimerFired();
  void ArmTimer();
  void DisarmTimer();
  // The page is hidden or going away: the records are saved, and the player hears of a failure
  // when there is still a page to show it in.
  void SaveAsPageGoes(bool pageStays);
  bool KeyEvent(int eventType, const EmscriptenKeyboardEvent& event);
  void VisibilityChanged(bool hidden);
  // The settings dialog or the about box is open: the keys are also theirs.
  bool GameDialogShowing() const;
  // The page's one message box, which tells the module through zt_dialog_closed when it goes.
  void ShowBox(const std::string& caption, const std::string& text, const std::string& quitButton);
  template <typename Handler>
  void RunHandler(Handler&& handler);
  // Shows or hides the page's line on how to start, as the title screen comes and goes.
  void ShowStartHint();

  // What the session asks of the panel.
  void Stop() override;
  bool Start(int32_t periodMs) override;
  void EndProgram(int status) override;
  void AskQuitWithoutSaving(const std::string& message,
                            std::function<void(bool quit)> answer) override;

  static EM_BOOL OnKey(int eventType, const EmscriptenKeyboardEvent* event, void* form);
  static EM_BOOL OnFocusLost(int eventType, const EmscriptenFocusEvent* event, void* form);
  static EM_BOOL OnVisibility(int eventType, const EmscriptenVisibilityChangeEvent* event,
                              void* form);
  static const char* OnUnload(int eventType, const void* reserved, void* form);
  static void OnTimer(void* form);

  SessionOptions options_;
  bool manualTicks_;
  std::unique_ptr<TForm3> form3_;
  WebPlatform platform_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<TForm9> form9_;
  TickSchedule schedule_;
  int32_t period_ = 0;  // 0 while the session keeps the timer stopped
  long timerId_ = 0;
  bool timerArmed_ = false;
  bool pageHidden_ = false;
  bool errorShown_ = false;
  bool storageRefusalShown_ = false;
  bool startHintShown_ = false;
  bool ended_ = false;
  int64_t ticksRun_ = 0;
  std::function<void(bool quit)> answer_;
  // The trail the next run watches; set while a watch waits for the run going now to close.
  std::optional<std::string> watchNext_;
};

}  // namespace zaptrail
