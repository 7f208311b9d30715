#pragma once

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>

#include "qt/qt_platform.hpp"
#include "session/session.hpp"
#include "session/window_descriptions.hpp"

class QDialog;

namespace zaptrail {

class HelpWindow;
class PixelImage;
class TForm2;
class TForm3;
class TForm9;

// The main window: play field, menu and the tick timer. What they do is the session's.
class TForm1 : public QMainWindow, private SessionShell {
  Q_OBJECT

 public:
  explicit TForm1(const SessionOptions& options = {});
  ~TForm1() override;

  // False when the creation handler failed; the program then ends after the error dialog.
  bool Created() const { return created_; }
  void AttachWindows(TForm2* form2, TForm3* form3, TForm9* form9);

  Session& GameSession() { return session_; }
  const Game& GameState() const { return session_.GameState(); }
  QtPlatform& PlatformLayer() { return platform_; }
  QTimer& TickTimer() { return Timer1; }

  void RepaintPlayField();
  void PlayFieldResized();
  // A close nobody can answer (a signal): the session's, and the window goes at once.
  void CloseUnattended();

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
  void FormCreate(const SessionOptions& options);
  // The menu bar from the window descriptions; menus and items carry the descriptions' names.
  void BuildMenu();
  // Start-up work that can wait until the first frame is on the screen.
  void AfterFirstFrame();

  // What the session asks of the window.
  void Stop() override;
  bool Start(int32_t periodMs) override;
  void EndProgram(int status) override;
  void AskQuitWithoutSaving(const std::string& message,
                            std::function<void(bool quit)> answer) override;

  QtPlatform platform_;
  Session session_;

  QTimer Timer1;
  PixelImage* Image1 = nullptr;

  TForm2* form2_ = nullptr;
  TForm3* form3_ = nullptr;
  TForm9* form9_ = nullptr;
  HelpWindow* help_ = nullptr;
  bool created_ = false;
  bool shownOnce_ = false;
};

}  // namespace zaptrail
