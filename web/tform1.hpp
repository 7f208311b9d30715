#pragma once

#include <emscripten/html5.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "game/session.hpp"
#include "game/window_descriptions.hpp"
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
  Game& GameState() { return session_->GameState(); }

  // Starts a run: the session's start-up, then the first pictures.
  void FormCreate();
  void StepTicks(int32_t count);
  // The page's dialog has gone; `quit` when the player chose to quit without saving.
  void DialogClosed(bool quit);
  // After a run ended: a fresh one from the title screen.
  void PlayAgain();
  // True while the page shows one of its own dialogs, which takes the keys.
  bool DialogOpen() const;
  // The page's size changed, and the panels with it.
  void PlaceCompass();
  // The records as this run holds them, in the file's text.
  std::string BestTimesText();
  TForm9& AboutBox() { return *form9_; }

  // The menu's items, by the handlers named after them.
  void MenuCommand(zaptrail::MenuCommand command);
  void Reset1Click();
  void Property1Click();
  void Quit1Click();
  void SearchforHelpOn1Click();
  void K1Click();

  // The default error dialog with this text, and a second button that quits without saving when
  // `offerQuit`.
  void ShowError(const std::string& text, bool offerQuit);
  // A box with an OK button alone; `dismissed` runs once the player has closed it.
  void ShowMessageBox(const std::string& caption, const std::string& text,
                      std::function<void()> dismissed);

 private:
  void Timer1Timer();
  void TimerFired();
  void ArmTimer();
  void DisarmTimer();
  // The page is hidden or going away: the records are saved, and the player hears of a failure
  // when there is still a page to show it in.
  void SaveAsPageGoes(bool pageStays);
  bool KeyEvent(int eventType, const EmscriptenKeyboardEvent& event);
  void VisibilityChanged(bool hidden);
  // The page's one message box, which tells the module through zt_dialog_closed when it goes.
  void ShowBox(const std::string& caption, const std::string& text, const std::string& quitButton);
  template <typename Handler>
  void RunHandler(Handler&& handler);

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
  WebPlatform platform_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<TForm9> form9_;
  TickSchedule schedule_;
  int32_t period_ = 0;  // 0 while the session keeps the timer stopped
  long timerId_ = 0;
  bool timerArmed_ = false;
  bool pageHidden_ = false;
  bool dialogOpen_ = false;
  bool ended_ = false;
  std::function<void(bool quit)> answer_;
};

}  // namespace zaptrail
