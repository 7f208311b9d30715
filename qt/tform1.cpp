#include "qt/tform1.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWindow>

#include "qt/centre_on_screen.hpp"
#include "qt/described_widgets.hpp"
#include "qt/error_dialog.hpp"
#include "qt/help_window.hpp"
#include "qt/measure_log.hpp"
#include "qt/pixel_image.hpp"
#include "qt/tform2.hpp"
#include "qt/tform3.hpp"
#include "qt/tform9.hpp"
#include "session/connect_windows.hpp"
#include "session/window_descriptions.hpp"
#include "view/sprite_sheet.hpp"

namespace zaptrail {

namespace {

QList<QKeySequence> KeySequences(Shortcut shortcut) {
  switch (shortcut) {
    case Shortcut::F1:
      return {QKeySequence(Qt::Key_F1)};
    case Shortcut::F2:
      return {QKeySequence(Qt::Key_F2)};
    case Shortcut::AltEnter:
      // The main Enter key and the keypad's.
      return {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)};
    case Shortcut::None:
      break;
  }
  return {};
}

}  // namespace

TForm1::TForm1(const SessionOptions& options)
    : platform_(*this), session_(platform_, SpriteSheet(), *this) {
  setWindowTitle(QtText(kMainWindowCaption));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  Timer1.setTimerType(Qt::PreciseTimer);
  connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

  Image1 = new PixelImage(GameState().playField, this);
  setCentralWidget(Image1);
  BuildMenu();
  // Installed first, so that it sees the first paint last: a measured frame then ends before
  // the work that waits for it begins.
  Image1->installEventFilter(this);
  measure::WatchFirstFrame(*Image1);

  created_ = RunHandler([&] { FormCreate(options); });
  if (session_.Watching()) setWindowTitle(QtText(kWatchingCaption));
  Image1->FollowPictureSize();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  // Settle the size first: a resize after placing would make the position the client area's
  // instead of the frame's.
  adjustSize();
  PlaceInsideScreen(*this, QPoint(kMainWindowStartLeft, kMainWindowStartTop));
}

TForm1::~TForm1() = default;

void TForm1::BuildMenu() {
  for (const Menu& menu : kMainMenu) {
    QMenu* shown = menuBar()->addMenu(QtText(menu.caption));
    shown->setObjectName(QtText(menu.name));
    for (const MenuItem& item : menu.items) {
      QAction* action = shown->addAction(QtText(item.caption));
      action->setObjectName(QtText(item.name));
      action->setShortcuts(KeySequences(item.shortcut));
      connect(action, &QAction::triggered, this,
              [this, command = item.command] { RunMenuCommand(*this, command); });
    }
  }
}

void TForm1::FormCreate(const SessionOptions& options) {
  SessionOptions withProbe = options;
  withProbe.probe = JoystickProbeTime::AfterFirstFrame;
  session_.Start(withProbe);
}

void TForm1::AttachWindows(TForm2* form2, TForm3* form3, TForm9* form9) {
  form2_ = form2;
  form3_ = form3;
  form9_ = form9;
  ConnectWindows(platform_, session_, form2, form3, form9);
}

void TForm1::RepaintPlayField() {
  Image1->RepaintIfChanged();
}

void TForm1::PlayFieldResized() {
  if (Image1 != nullptr) Image1->FollowPictureSize();
}

void TForm1::Timer1Timer() {
  measure::Tick(GameState().record.Phase);
  RunHandler([&] { session_.Tick(); });
}

void TForm1::Reset1Click() {
  RunHandler([&] { session_.NewGame(); });
}

void TForm1::Property1Click() {
  RunHandler([&] {
    session_.DialogOpens();
    const int result = form3_->exec();
    session_.SettingsEnd(DialogResultOf(result), form3_->PeriodText().toStdString());
  });
}

void TForm1::K1Click() {
  session_.DialogOpens();
  form9_->exec();
  session_.AboutBoxEnds();
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
  help_->Open(session_.HelpPage());
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void TForm1::CloseUnattended() {
  session_.CloseUnattended();
  close();
}

void TForm1::Stop() {
  Timer1.stop();
}

bool TForm1::Start(int32_t periodMs) {
  Timer1.start(periodMs);
  return Timer1.isActive();
}

void TForm1::EndProgram(int status) {
  // Ends every event loop at once, a dialog's included, once the current handler returns.
  QCoreApplication::exit(status);
}

void TForm1::AskQuitWithoutSaving(const std::string& message, std::function<void(bool)> answer) {
  answer(zaptrail::AskQuitWithoutSaving(QString::fromStdString(message)));
}

void TForm1::closeEvent(QCloseEvent* event) {
  bool allowed = false;
  RunHandler([&] { allowed = session_.CloseByPlayer(); });
  if (allowed) {
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
  session_.FirstFrameShown();
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
