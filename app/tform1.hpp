#pragma once

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>

#include "app/qt_platform.hpp"
#include "game/game.hpp"
#include "game/halted_dialog.hpp"
#include "game/tick_period.hpp"
#include "game/window_descriptions.hpp"

class QDialog;

namespace zaptrail {

class HelpWindow;
class PixelImage;
class TForm2;
class TForm3;
class TForm9;

// Overrides for tests only; the game itself starts with none of them.
struct ShellOptions {
  std::optional<uint32_t> seed;  // instead of the clock
  std::string appDir;            // instead of the executable's directory
  std::string userFolder;        // instead of the player's data folder
};

// The main window: play field, menu, the tick timer, and the game it owns.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(const ShellOptions& options = {});
  ~TForm1() override;

  // False when the creation handler failed; the program then ends after the error dialog.
  bool Created() const { return created_; }
  void AttachWindows(TForm2* form2, TForm3* form3, TForm9* form9);

  Game& GameState() { return game_; }
  QtPlatform& PlatformLayer() { return platform_; }
  const std::string& AppDir() const { return game_.appDir; }
  QTimer& TickTimer() { return Timer1; }

  void RepaintPlayField();
  void PlayFieldResized();
  // Escape seen by a tick: saves the records, then ends the program once the tick has
  // returned, cancelling any open dialog. Throws, leaving the window open, when the records
  // cannot be saved; the tick's handler then asks whether to quit all the same.
  void CloseFromTick();
  // A close nobody can answer (a signal): saves the records, falling back to the other folder,
  // and ends the program, with status 1 and a line on standard error when nothing was saved.
  void CloseUnattended();
  // The connection to the display is gone and the process is ending: the records are saved as
  // by an unattended close, and one line on standard error says what happened.
  void SaveAsDisplayIsLost();

 public slots:
  void Timer1Timer();
  void Reset1Click();
  void Property1Click();
  void Quit1Click();
  void SearchforHelpOn1Click();
  void K1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate(const ShellOptions& options);
  // The close handler's save for a close the player asked for: false when it failed and the
  // player chose to keep the window open.
  bool FormClose();
  // The menu bar from the window descriptions; menus and items carry the descriptions' names.
  void BuildMenu();
  void FinishClosing(int status);
  // Start-up work that can wait until the first frame is on the screen.
  void AfterFirstFrame();
  DialogResult ShowHalted(QDialog& dialog);

  QtPlatform platform_;
  Game game_;

  QTimer Timer1;
  PixelImage* Image1 = nullptr;

  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  TForm9* form9_ = nullptr;
  HelpWindow* help_ = nullptr;
  int32_t period_ = kDesignPeriod;
  bool created_ = false;
  bool closing_ = false;
  bool shownOnce_ = false;
};

}  // namespace zaptrail
