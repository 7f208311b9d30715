#include "web/tform1.hpp"

#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>

#include <optional>
#include <string_view>
#include <utility>

#include "game/records.hpp"
#include "session/run_handler.hpp"
#include "session/window_descriptions.hpp"
#include "view/sprite_sheet.hpp"
#include "web/main_menu.hpp"
#include "web/page.hpp"
#include "web/trails_row.hpp"

// A control of the page's own (the records row, play again) has the keyboard's focus.
EM_JS(int, zt_page_control_focused, (), { return zaptrailPage.pageControlFocused() ? 1 : 0; });

namespace zaptrail {
namespace {

// The page's module is zaptrail.wasm, which names the error dialog as the desktop's does.
constexpr char kModuleFileName[] = "zaptrail.wasm";
// A browser player has no records file to mend: the page keeps the records in the browser's
// storage, and the records row's download is the way to keep them anyway.
constexpr char kStorageRefusedMessage[] =
    "This browser's storage would not keep the best times; \"download\" in the records row "
    "keeps them in a file";

bool KeyOf(std::string_view code, Key& key) {
  if (code == "ArrowUp") {
    key = Key::Up;
  } else if (code == "ArrowRight") {
    key = Key::Right;
  } else if (code == "ArrowDown") {
    key = Key::Down;
  } else if (code == "ArrowLeft") {
    key = Key::Left;
  } else if (code == "Escape") {
    key = Key::Escape;
  } else if (code == "Space") {
    key = Key::Space;
  } else {
    return false;
  }
  return true;
}

// The browser's name of a key, with Alt held or not, as one of the menu's shortcuts.
Shortcut ShortcutOf(std::string_view code, bool altHeld) {
  if (code == "F1") return Shortcut::F1;
  if (code == "F2") return Shortcut::F2;
  if (altHeld && (code == "Enter" || code == "NumpadEnter")) return Shortcut::AltEnter;
  return Shortcut::None;
}

}  // namespace

TForm1::TForm1(const SessionOptions& options, bool manualTicks)
    : options_(options), manualTicks_(manualTicks), platform_(*this) {
  // A trail is watched once; what follows it is a new game.
  if (!options_.watchFile.empty()) watchNext_ = std::exchange(options_.watchFile, {});
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, true, &TForm1::OnKey);
  emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, true, &TForm1::OnKey);
  // The window's own blur only: a focus moving between the page's controls keeps the keys.
  emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, this, false, &TForm1::OnFocusLost);
  emscripten_set_visibilitychange_callback(this, true, &TForm1::OnVisibility);
  emscripten_set_beforeunload_callback(this, &TForm1::OnUnload);
  page::SetCaption("main-window", kMainWindowCaption);
  page::SetCaption("compass-window", kCompassCaption);
  page::SetDialogFace(kDialogFace);
  BuildMainMenu();
}

TForm1::~TForm1() {
  DisarmTimer();
  emscripten_html5_remove_all_event_listeners();
}

void TForm1::FormCreate() {
  SessionOptions options = options_;
  options.watchFile = watchNext_.value_or("");
  watchNext_.reset();
  CreateRun(options);
  if (!options.watchFile.empty() && !session_->Watching()) CreateRun(options_);
}

void TForm1::CreateRun(const SessionOptions& runOptions) {
  DisarmTimer();
  ended_ = false;
  period_ = 0;
  platform_.ReleaseAll();
  platform_.PlaceMainPanelAtStart();
  form9_.reset();
  // A line the desktop writes on its standard error (a trail not kept) is a notice in the page.
  session_ = std::make_unique<Session>(platform_, SpriteSheet(), static_cast<SessionShell&>(*this),
                                       [](const std::string& line) { page::ShowNotice(line); });
  session_->TellKeptGames(&TellGameKept);
  // The first reading of the gamepads wakes the browser's gamepad service, which the first
  // frame need not wait for: the ticks probe before the title screen takes input.
  SessionOptions options = runOptions;
  options.probe = JoystickProbeTime::AfterFirstFrame;
  RunHandler([&] { session_->Start(options); });
  page::SetCaption("main-window", session_->Watching() ? kWatchingCaption : kMainWindowCaption);
  ShowRunKind(session_->Watching(), options.daily);
  // The compass panel shows its picture, black until the first needle, from the start.
  platform_.RepaintCompass();
  platform_.ShowChangedPictures();
  // The hidden dialogs come after the title screen, as on the desktop, where the main window is
  // set up and drawn before any other window exists; no tick runs before they are there. The
  // about box is a new run's: design captions, colours and places.
  form9_ = std::make_unique<TForm9>(*this, *session_, session_->LabelGameRandom());
  // The settings dialog is made once and keeps its controls; a new run resets them.
  if (!form3_) form3_ = std::make_unique<TForm3>();
  form3_->FormCreate();
  PlaceCompass();
}

void TForm1::PlaceCompass() {
  const page::Frame main = page::MainPanelFrame();
  page::PlaceCompassPanel(CompassStartLeft(main.left, main.width), CompassStartTop(main.top));
}

void TForm1::TouchHold(Key key, bool down, double at) {
  if (errorShown_ || ended_) return;
  platform_.Hold(WebPlatform::Source::Touch, key, down, at);
}

void TForm1::Timer1Timer() {
  ++ticksRun_;
  RunHandler([&] { session_->Tick(); });
}

void TForm1::StepTicks(int32_t count) {
  platform_.SetTickClock(0, 0);
  for (int32_t i = 0; i < count && !ended_; ++i) Timer1Timer();
}

void TForm1::MenuCommand(zaptrail::MenuCommand command) {
  if (ended_) {
    RunEndedCommand(command);
  } else {
    RunMenuCommand(*this, command);
  }
}

void TForm1::RunEndedCommand(zaptrail::MenuCommand command) {
  // An ended run has no game to halt, set or save: a new game is another run, the help still
  // opens, and the menu shows the rest disabled.
  if (command == MenuCommand::Reset1) PlayAgain();
  if (command == MenuCommand::SearchforHelpOn1) SearchforHelpOn1Click();
}

void TForm1::Reset1Click() {
  // A new game while watching is the end of watching, which is followed by one.
  if (session_->Watching()) return Quit1Click();
  RunHandler([&] { session_->NewGame(); });
}

void TForm1::Property1Click() {
  if (ended_ || errorShown_ || GameDialogShowing()) return;
  session_->DialogOpens();
  form3_->ShowModal();
}

void TForm1::SettingsClosed(int code) {
  form3_->Hidden();
  RunHandler([&] { session_->SettingsEnd(DialogResultOf(code), form3_->PeriodText()); });
}

void TForm1::Quit1Click() {
  // The player's close, as Escape's: the records are saved, or the player is asked.
  RunHandler([&] { session_->CloseByPlayer(); });
}

void TForm1::K1Click() {
  if (ended_ || errorShown_ || GameDialogShowing()) return;
  session_->DialogOpens();
  form9_->ShowModal([this] { session_->AboutBoxEnds(); });
}

void TForm1::SearchforHelpOn1Click() {
  page::OpenInNewTab(session_->HelpPage());
}

std::string TForm1::BestTimesText() {
  return FormatRecords(GameState().record.BestTimes);
}

bool TForm1::GameDialogShowing() const {
  return (form3_ && form3_->Showing()) || (form9_ && form9_->Showing());
}

void TForm1::DialogClosed(bool quit) {
  errorShown_ = false;
  if (!answer_) return;
  // The player kept the run whose close a watch was waiting for.
  if (!quit) watchNext_.reset();
  const auto answer = std::move(answer_);
  answer_ = nullptr;
  answer(quit);
}

void TForm1::PlayAgain() {
  if (!ended_) return;
  FormCreate();
  EnableRunCommands(true);
  page::ShowEnded(false);
}

void TForm1::Watch(const std::string& path) {
  if (errorShown_ || GameDialogShowing()) return;
  watchNext_ = path;
  if (ended_) return PlayAgain();
  RunHandler([&] { session_->CloseByPlayer(); });
}

void TForm1::OnRunFollows(void* form) {
  static_cast<TForm1*>(form)->PlayAgain();
}

void TForm1::SaveAsPageGoes(bool pageStays) {
  if (!session_) return;
  if (session_->SaveWhileRunning().empty()) {
    storageRefusalShown_ = false;
    return;
  }
  // Said once, not at every hiding of the page, until a save succeeds again.
  if (!pageStays || storageRefusalShown_) return;
  storageRefusalShown_ = true;
  ShowError(ErrorDialogText(kStorageRefusedMessage), false);
}

void TForm1::VisibilityChanged(bool hidden) {
  pageHidden_ = hidden;
  // A hidden page stands still, as the game does around a dialog, and goes on where it was.
  if (hidden) {
    platform_.ReleaseAll();
    SaveAsPageGoes(true);
    DisarmTimer();
  } else if (period_ > 0) {
    schedule_.Start(emscripten_get_now(), period_);
    ArmTimer();
  }
}

bool TForm1::KeyEvent(int eventType, const EmscriptenKeyboardEvent& event) {
  // The error dialog takes the keys as the browser gives them to it.
  if (errorShown_) return false;
  const bool down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
  const std::string_view code(event.code);
  Key key;
  // An ended run takes no game key; a focused control of the page's own takes Space as a press.
  const bool gameKey =
      KeyOf(code, key) && !ended_ &&
      !(key == Key::Space && !GameDialogShowing() && zt_page_control_focused() != 0);
  if (gameKey) {
    platform_.Hold(WebPlatform::Source::Keyboard, key, down, event.timestamp);
    // In a dialog they are also the dialog's: its arrows, its buttons, its check box.
    return !GameDialogShowing();
  }
  // The main window takes no shortcut while one of its dialogs is open.
  if (GameDialogShowing()) return false;
  const std::optional<zaptrail::MenuCommand> command =
      CommandOfShortcut(ShortcutOf(code, event.altKey));
  if (!command) return false;
  if (down && !event.repeat) MenuCommand(*command);
  return true;
}

void TForm1::ShowError(const std::string& text, bool offerQuit) {
  ShowBox(ApplicationTitle(kModuleFileName), text,
          offerQuit ? std::string(kQuitWithoutSavingCaption) : "");
}

void TForm1::ShowMessageBox(const std::string& caption, const std::string& text,
                            std::function<void()> dismissed) {
  answer_ = [dismissed = std::move(dismissed)](bool) { dismissed(); };
  ShowBox(caption, text, "");
}

void TForm1::ShowBox(const std::string& caption, const std::string& text,
                     const std::string& quitButton) {
  errorShown_ = true;
  platform_.ReleaseAll();
  page::ShowErrorDialog(caption, text, quitButton);
}

template <typename Handler>
void TForm1::RunHandler(Handler&& handler) {
  zaptrail::RunHandler(std::forward<Handler>(handler),
                       [&](const std::string& text) { ShowError(text, false); });
  platform_.ShowChangedPictures();
  ShowStartHint();
}

void TForm1::ShowStartHint() {
  const bool onTitle = !ended_ && GameState().record.Phase == PhaseTitle;
  if (onTitle == startHintShown_) return;
  startHintShown_ = onTitle;
  page::ShowStartHint(onTitle);
}

void TForm1::TimerFired() {
  timerArmed_ = false;
  const double now = emscripten_get_now();
  platform_.SetTickClock(now, period_ / 2.0);
  // Ticks that fell due while the browser was busy run now, unless one of them stopped the
  // timer, restarted it or ended the run.
  for (int32_t due = schedule_.TakeDue(now); due > 0 && !timerArmed_ && period_ > 0 && !ended_;
       --due) {
    Timer1Timer();
  }
  ArmTimer();
}

void TForm1::ArmTimer() {
  if (timerArmed_ || manualTicks_ || pageHidden_ || period_ <= 0) return;
  timerArmed_ = true;
  timerId_ = emscripten_set_timeout(&TForm1::OnTimer,
                                    schedule_.DelayUntilNext(emscripten_get_now()), this);
}

void TForm1::DisarmTimer() {
  if (!timerArmed_) return;
  timerArmed_ = false;
  emscripten_clear_timeout(timerId_);
}

void TForm1::Stop() {
  period_ = 0;
  DisarmTimer();
}

bool TForm1::Start(int32_t periodMs) {
  DisarmTimer();
  period_ = periodMs;
  schedule_.Start(emscripten_get_now(), periodMs);
  ArmTimer();
  return true;
}

void TForm1::EndProgram(int) {
  // A page cannot close its own tab; it shows that the run has ended and offers another.
  ended_ = true;
  DisarmTimer();
  platform_.ReleaseAll();
  // Escape held in the settings dialog ends the run, and the dialog with it, applying nothing.
  if (form3_) form3_->Close();
  // Watching ends in a new game, and a watch asked for starts once the run has closed: each once
  // the handler that ended this run has returned, since the run goes with it.
  if (watchNext_ || session_->Watching()) {
    emscripten_set_timeout(&TForm1::OnRunFollows, 0, this);
    return;
  }
  EnableRunCommands(false);
  ShowStartHint();
  page::ShowEnded(true);
}

// The session's message names the desktop's file; the page says what a browser player can do.
void TForm1::AskQuitWithoutSaving(const std::string&, std::function<void(bool)> answer) {
  answer_ = std::move(answer);
  ShowError(ErrorDialogText(kStorageRefusedMessage), true);
}

EM_BOOL TForm1::OnKey(int eventType, const EmscriptenKeyboardEvent* event, void* form) {
  return static_cast<TForm1*>(form)->KeyEvent(eventType, *event) ? EM_TRUE : EM_FALSE;
}

EM_BOOL TForm1::OnFocusLost(int, const EmscriptenFocusEvent*, void* form) {
  static_cast<TForm1*>(form)->platform_.ReleaseAll();
  return EM_FALSE;
}

EM_BOOL TForm1::OnVisibility(int, const EmscriptenVisibilityChangeEvent* event, void* form) {
  static_cast<TForm1*>(form)->VisibilityChanged(event->hidden != 0);
  return EM_FALSE;
}

const char* TForm1::OnUnload(int, const void*, void* form) {
  static_cast<TForm1*>(form)->SaveAsPageGoes(false);
  return nullptr;
}

void TForm1::OnTimer(void* form) {
  static_cast<TForm1*>(form)->TimerFired();
}

}  // namespace zaptrail
