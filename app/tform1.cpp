#include "app/tform1.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWindow>
#include <cstdio>
#include <ctime>

#include "app/error_dialog.hpp"
#include "app/measure_log.hpp"
#include "app/pixel_image.hpp"
#include "app/tform2.hpp"
#include "dialogs/help_window.hpp"
#include "dialogs/tform3.hpp"
#include "dialogs/tform9.hpp"
#include "game/close_and_save.hpp"
#include "game/errors.hpp"
#include "game/file_system.hpp"
#include "game/input.hpp"
#include "game/records.hpp"
#include "game/tick.hpp"
#include "game/tick_period.hpp"
#include "game/window_places.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail {
namespace {

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

class QtTickTimer : public PeriodicTimer {
 public:
  explicit QtTickTimer(QTimer& timer) : timer_(timer) {}
  void Stop() override { timer_.stop(); }
  bool Start(int32_t periodMs) override {
    timer_.start(periodMs);
    return timer_.isActive();
  }

 private:
  QTimer& timer_;
};

}  // namespace

TForm1::TForm1(const ShellOptions& options) : platform_(*this), game_(platform_, SpriteSheet()) {
  setWindowTitle(QStringLiteral("zap trail"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  Timer1.setTimerType(Qt::PreciseTimer);
  connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

  Image1 = new PixelImage(game_.playField, this);
  setCentralWidget(Image1);
  BuildMenu();
  // Installed first, so that it sees the first paint last: a measured frame then ends before
  // the work that waits for it begins.
  Image1->installEventFilter(this);
  measure::WatchFirstFrame(*Image1);

  created_ = RunHandler([&] { FormCreate(options); });
  Image1->FollowPictureSize();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // Settle the size first: a resize after placing would make the position the client area's
  // instead of the frame's.
  adjustSize();
  move(kMainWindowStartLeft, kMainWindowStartTop);
}

TForm1::~TForm1() = default;

void TForm1::BuildMenu() {
  File1 = menuBar()->addMenu(QStringLiteral("&File"));
  Reset1 = File1->addAction(QStringLiteral("&Reset"), this, &TForm1::Reset1Click);
  Reset1->setShortcut(Qt::Key_F2);
  Property1 = File1->addAction(QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ(&P)..."), this, &TForm1::Property1Click);
  Property1->setShortcuts(
      {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)});
  Quit1 = File1->addAction(QStringLiteral("&Quit"), this, &TForm1::Quit1Click);
  Help1 = menuBar()->addMenu(QStringLiteral("&Help"));
  SearchforHelpOn1 =
      Help1->addAction(QStringLiteral("ﾄﾋﾟｯｸの検索(&H)"), this, &TForm1::SearchforHelpOn1Click);
  SearchforHelpOn1->setShortcut(Qt::Key_F1);
  K1 = Help1->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ表示(&A)"), this, &TForm1::K1Click);
}

void TForm1::FormCreate(const ShellOptions& options) {
  game_.appDir = WithSeparator(options.appDir.empty() ? files::ExecutableFolder() : options.appDir);
  if (game_.appDir.empty()) throw GameError("cannot find the folder of the running program");
  game_.recordsPlace = ChooseRecordsPlace(
      game_.appDir,
      WithSeparator(options.userFolder.empty() ? files::UserDataFolder() : options.userFolder));
  const uint32_t seed = options.seed.value_or(static_cast<uint32_t>(std::time(nullptr)));
  SetUpGame(game_, seed, game_.recordsPlace, JoystickProbeTime::AfterFirstFrame);
  Timer1.start(kDesignPeriod);
}

bool TForm1::FormClose() {
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, game_.recordsPlace, CloseAsker::Player);
  return save.next == AfterSave::Close || AskQuitWithoutSaving(QString::fromUtf8(save.error));
}

void TForm1::AttachWindows(TForm2* form2, TForm3* form3, TForm9* form9) {
  form2_ = form2;
  form3_ = form3;
  form9_ = form9;
  platform_.AttachCompass(form2);
  platform_.AttachSettings(form3);
}

void TForm1::RepaintPlayField() {
  Image1->RepaintIfChanged();
}

void TForm1::PlayFieldResized() {
  if (Image1 != nullptr) Image1->FollowPictureSize();
}

void TForm1::Timer1Timer() {
  measure::Tick(game_.record.Phase);
  RunHandler([&] {
    try {
      zaptrail::Timer1Timer(game_);
    } catch (const RecordsNotSaved& error) {
      if (AskQuitWithoutSaving(QString::fromUtf8(error.what()))) FinishClosing(0);
    }
  });
}

void TForm1::Reset1Click() {
  RunHandler([&] { NewGame(game_); });
}

void TForm1::Property1Click() {
  RunHandler([&] {
    if (ShowHalted(*form3_) == DialogResult::Ok) {
      QtTickTimer timer(Timer1);
      ApplyTimerPeriod(timer, period_, form3_->PeriodText().toStdString());
    }
  });
}

void TForm1::K1Click() {
  ShowHalted(*form9_);
}

void TForm1::Quit1Click() {
  close();
}

void TForm1::SearchforHelpOn1Click() {
  // Not modal: the game goes on while the help is open.
  if (help_ == nullptr) {
    help_ = new HelpWindow(this);
    platform_.Keys().IgnorePressesIn(help_);
  }
  help_->Open(game_.appDir + "zaptrail-help.html");
  help_->show();
  help_->raise();
  help_->activateWindow();
}

DialogResult TForm1::ShowHalted(QDialog& dialog) {
  return zaptrail::ShowHalted(game_.record, [&] { return dialog.exec(); });
}

void TForm1::CloseFromTick() {
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, game_.recordsPlace, CloseAsker::Player);
  if (save.next != AfterSave::Close) throw RecordsNotSaved(save.error);
  FinishClosing(0);
}

void TForm1::CloseUnattended() {
  if (closing_) return;
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, game_.recordsPlace, CloseAsker::Nobody);
  if (save.next == AfterSave::ExitFailed) {
    std::fprintf(stderr, "zaptrail: best times not saved: %s\n", save.error.c_str());
  }
  FinishClosing(save.next == AfterSave::Close ? 0 : 1);
  close();
}

void TForm1::SaveAsDisplayIsLost() {
  if (closing_) return;
  closing_ = true;
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, game_.recordsPlace, CloseAsker::Nobody);
  if (save.next == AfterSave::Close) {
    std::fprintf(stderr, "zaptrail: lost the connection to the display; best times saved in %s\n",
                 save.savedTo.c_str());
  } else {
    std::fprintf(stderr, "zaptrail: lost the connection to the display; best times not saved: %s\n",
                 save.error.c_str());
  }
}

void TForm1::FinishClosing(int status) {
  closing_ = true;
  Timer1.stop();
  // Ends every event loop at once, a dialog's included, once the current handler returns.
  QCoreApplication::exit(status);
}

void TForm1::closeEvent(QCloseEvent* event) {
  bool allowed = closing_;
  if (!allowed) RunHandler([&] { allowed = FormClose(); });
  if (allowed) {
    if (!closing_) FinishClosing(0);
    event->accept();
  } else {
    event->ignore();
  }
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  // The frame's size is known only once the window manager has framed the window, which it
  // has when the window is first exposed.
  windowHandle()->installEventFilter(this);
}

void TForm1::AfterFirstFrame() {
  // Both start SDL, which takes longer than all the rest of the start-up. No tick needs either
  // before the title screen takes input, nor a cue before a level has started.
  ProbePendingJoystick(game_);
  platform_.Cues().StartOpening();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::Paint) {
    Image1->removeEventFilter(this);
    // On the event loop's next turn, once the painted frame has gone to the display.
    QTimer::singleShot(0, this, &TForm1::AfterFirstFrame);
  }
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
    windowHandle()->removeEventFilter(this);
    if (form2_ != nullptr) form2_->PlaceBeside(frameGeometry());
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace zaptrail
