#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "game/tick.hpp"
#include "qt/error_dialog.hpp"
#include "qt/held_keys.hpp"
#include "tests/session_seam.hpp"
#include "tests/widgets/shell_fixture.hpp"

namespace zaptrail::testing {

// A file where the player's data folder should be, so that no save can fall back to it.
void BlockUserFolder(const Shell& shell) {
  QFile file(shell.UserFolder());
  QVERIFY(file.open(QIODevice::WriteOnly));
}

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void WindowFrameAndPlace() {
    Shell shell;
    TForm1& form = *shell.form1;
    QCOMPARE(form.windowTitle(), QStringLiteral("zap trail"));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(form.pos(), QPoint(185, 164));
    QCOMPARE(form.centralWidget()->size(), QSize(240, 224));
    QCOMPARE(form.centralWidget()->pos(), QPoint(0, form.menuBar()->height()));
    QCOMPARE(form.minimumSize(), form.maximumSize());  // a fixed frame
  }

  void MenuCaptionsOrderAndShortcuts() {
    Shell shell;
    const QList<QAction*> menus = shell.form1->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));
    const QList<QAction*> file = menus[0]->menu()->actions();
    QCOMPARE(file.size(), 3);
    QCOMPARE(file[0]->text(), QStringLiteral("&Reset"));
    QCOMPARE(file[0]->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(file[1]->text(), QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ(&P)..."));
    QCOMPARE(file[1]->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Return));
    QCOMPARE(file[2]->text(), QStringLiteral("&Quit"));
    QVERIFY(file[2]->shortcut().isEmpty());
    const QList<QAction*> help = menus[1]->menu()->actions();
    QCOMPARE(help.size(), 2);
    QCOMPARE(help[0]->text(), QStringLiteral("ﾄﾋﾟｯｸの検索(&H)"));
    QCOMPARE(help[0]->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(help[1]->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ表示(&A)"));
  }

  void TimerTicksEvery32msFromTheTitleScreen() {
    Shell shell;
    QCOMPARE(shell.form1->TickTimer().interval(), 32);
    QCOMPARE(shell.form1->TickTimer().timerType(), Qt::PreciseTimer);
    QVERIFY(shell.form1->TickTimer().isActive());
    QCOMPARE(int{shell.form1->GameState().record.Phase}, int{PhaseTitle});
    QTRY_COMPARE_WITH_TIMEOUT(int{shell.form1->GameState().record.TitleDelay}, 8, 2000);
  }

  void F2ReturnsToTheTitleScreenKeepingBestTimes() {
    Shell shell;
    Game& game = WritableGame(shell.form1->GameSession());
    game.record.TitleDelay = 8;
    StartLevel(game);
    game.record.Level = 3;
    game.record.BestTimes = {"9"};
    shell.form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shell.form1.get()));
    QTest::keyClick(shell.form1.get(), Qt::Key_F2);
    QCOMPARE(int{game.record.Phase}, int{PhaseTitle});
    QCOMPARE(game.record.Level, 0);
    QCOMPARE(game.record.MazeWidth, 21);
    QCOMPARE(game.record.BestTimes.Lines(), std::vector<std::string>{"9"});
  }

  void ADialogHaltsTheGameAndPhaseComesBack() {
    Shell shell;
    Game& game = WritableGame(shell.form1->GameSession());
    StartLevel(game);
    const int32_t subTick = game.record.SubTick;
    int8_t phaseInside = -1;
    QSignalSpy ticks(&shell.form1->TickTimer(), &QTimer::timeout);
    bool ticksArrived = false;
    WhenModalShows([&](QWidget* dialog) {
      phaseInside = game.record.Phase;
      ticksArrived = QTest::qWaitFor([&] { return ticks.count() >= 3; }, 5000);
      static_cast<QDialog*>(dialog)->done(2);
    });
    shell.form1->K1Click();
    QCOMPARE(int{phaseInside}, int{PhaseHalted});
    QVERIFY2(ticksArrived, "three ticks did not arrive while the dialog was open");
    QCOMPARE(int{game.record.Phase}, int{PhasePlaying});
    QCOMPARE(game.record.SubTick, subTick);
  }

  void EscapeHeldWhileADialogIsOpenClosesAndSaves() {
    Shell shell;
    WritableGame(shell.form1->GameSession()).record.BestTimes = {"57"};
    WhenModalShows([&](QWidget*) { shell.form1->PlatformLayer().Keys().ReleaseAll(); });
    WhenModalShows([&](QWidget* dialog) { QTest::keyPress(dialog, Qt::Key_Escape); });
    QCOMPARE(RunUntilTheProgramEnds([&] { shell.form1->Property1Click(); }), 0);
    QFile saved(shell.directory.filePath(QStringLiteral("zaptrail.ini")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("57\r\n"));
    QCOMPARE(int{shell.form1->GameState().record.Phase}, int{PhaseTitle});
    shell.form1->PlatformLayer().Keys().ReleaseAll();
  }

  // Neither the folder beside the game nor the player's takes the file.
  void TheFailedSaveDialogOffersToQuitWithoutSaving() {
    Shell shell;
    const QString path = shell.directory.filePath(QStringLiteral("zaptrail.ini"));
    QDir().mkdir(path);
    BlockUserFolder(shell);
    int buttons = 0;
    WhenModalShows([&](QWidget* box) {
      auto* message = qobject_cast<QMessageBox*>(box);
      if (message == nullptr) return;
      buttons = static_cast<int>(message->buttons().size());
      for (QAbstractButton* button : message->buttons()) {
        if (message->buttonRole(button) == QMessageBox::DestructiveRole) button->click();
      }
    });
    QCOMPARE(RunUntilTheProgramEnds([&] { shell.form1->close(); }), 0);
    QCOMPARE(buttons, 2);
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(QFileInfo(shell.UserFolder()).isFile());
  }

  void CloseBoxSavesAndAFailedSaveKeepsTheWindowOpen() {
    Shell shell;
    const QString path = shell.directory.filePath(QStringLiteral("zaptrail.ini"));
    QDir().mkdir(path);  // a directory where the file should go: the save fails
    BlockUserFolder(shell);
    WhenModalShows([](QWidget* box) {
      auto* message = qobject_cast<QMessageBox*>(box);
      QVERIFY(message != nullptr);
      QCOMPARE(message->windowTitle(), QStringLiteral("Widget_tests"));
      QVERIFY(message->text().endsWith(QStringLiteral("に書き込めません).")));
      QCOMPARE(message->icon(), QMessageBox::Critical);
      QCOMPARE(message->defaultButton(), message->button(QMessageBox::Ok));
      QTest::keyClick(message, Qt::Key_Escape);
    });
    QVERIFY(!shell.form1->close());
    QVERIFY(shell.form1->isVisible());
    QDir().rmdir(path);
    WritableGame(shell.form1->GameSession()).record.BestTimes = {"1", "2"};
    bool closed = false;
    QCOMPARE(RunUntilTheProgramEnds([&] { closed = shell.form1->close(); }), 0);
    QVERIFY(closed);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("1\r\n2\r\n"));
  }

  // A copy whose folder takes files keeps its own file; a time another copy (or this one,
  // falling back on a close nobody answered) left in the player's file still shows at the start.
  void AStartReadsItsOwnFileAndMergesInThePlayersSoNoTimeIsHidden() {
    QTemporaryDir directory;
    const QString user = directory.filePath(QStringLiteral("user"));
    QVERIFY(QDir().mkpath(user));
    const auto write = [](const QString& path, const QByteArray& bytes) {
      QFile file(path);
      return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const auto read = [](const QString& path) {
      QFile file(path);
      return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString own = directory.filePath(QStringLiteral("zaptrail.ini"));
    QVERIFY(write(own, "50\r\n60\r\n"));
    QVERIFY(write(user + QStringLiteral("/zaptrail.ini"), "45\r\n"));
    SessionOptions options;
    options.seed = 1;
    options.appDir = directory.path().toStdString();
    options.userFolder = user.toStdString();
    TForm1 form(options);
    QCOMPARE(form.GameState().record.BestTimes.Lines(), (std::vector<std::string>{"45", "60"}));
    WritableGame(form.GameSession()).record.BestTimes.push_back("70");
    bool closed = false;
    QCOMPARE(RunUntilTheProgramEnds([&] { closed = form.close(); }), 0);
    QVERIFY(closed);
    QCOMPARE(read(own), QByteArray("45\r\n60\r\n70\r\n"));
    QCOMPARE(read(user + QStringLiteral("/zaptrail.ini")), QByteArray("45\r\n"));
  }

  void ErrorCaptionComesFromTheExecutableName() {
    QCOMPARE(ApplicationTitle(QStringLiteral("/usr/games/zaptrail")), QStringLiteral("Zaptrail"));
    QCOMPARE(ApplicationTitle(QStringLiteral("ZAPTRAIL.EXE")), QStringLiteral("Zaptrail"));
    QCOMPARE(ApplicationTitle(QStringLiteral("/a.b/zap.trail.bin")), QStringLiteral("Zap"));
    QCOMPARE(ApplicationTitle(QStringLiteral("/opt/mIxEd")), QStringLiteral("Mixed"));
  }

  void HeldKeysFollowPressAndReleaseNotRepeat() {
    Shell shell;
    HeldKeys& keys = shell.form1->PlatformLayer().Keys();
    QTest::keyPress(shell.form1.get(), Qt::Key_Left);
    QVERIFY(keys.IsHeld(Key::Left));
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(shell.form1.get(), &repeatRelease);
    QVERIFY(keys.IsHeld(Key::Left));
    QTest::keyPress(shell.form2.get(), Qt::Key_Space);  // any of the game's windows counts
    QVERIFY(keys.IsHeld(Key::Space));
    QTest::keyRelease(shell.form1.get(), Qt::Key_Left);
    QVERIFY(!keys.IsHeld(Key::Left));
    QEvent deactivate(QEvent::ApplicationDeactivate);
    QApplication::sendEvent(qApp, &deactivate);
    QVERIFY(!keys.IsHeld(Key::Space));
  }

  // Keys typed into a menu are the menu's, and a key let go in another window (here the help)
  // is not left held when the game gets the keyboard back.
  void KeysCountOnlyWhileAGameWindowHasTheKeyboardAndNoMenuIsOpen() {
    Shell shell;
    Game& game = WritableGame(shell.form1->GameSession());
    shell.form1->TickTimer().stop();
    QVERIFY(shell.FocusMainWindow());
    game.record.TitleDelay = 8;
    QMenu* file = shell.form1->menuBar()->actions()[0]->menu();
    file->popup(shell.form1->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(QApplication::activePopupWidget() == file);
    QTest::keyPress(file, Qt::Key_Space);
    shell.form1->Timer1Timer();
    QCOMPARE(int{game.record.Phase}, int{PhaseTitle});
    QTest::keyRelease(file, Qt::Key_Space);
    file->close();

    QTest::keyPress(shell.form1.get(), Qt::Key_Space);
    shell.form1->SearchforHelpOn1Click();
    QTRY_VERIFY(QApplication::activeWindow() != shell.form1.get());
    QVERIFY(shell.FocusMainWindow());
    shell.form1->Timer1Timer();
    QCOMPARE(int{game.record.Phase}, int{PhaseTitle});
  }

  void APressBetweenTwoTicksIsNotSeen() {
    Shell shell;
    Game& game = WritableGame(shell.form1->GameSession());
    shell.form1->TickTimer().stop();
    QVERIFY(shell.FocusMainWindow());
    game.record.TitleDelay = 8;
    QTest::keyPress(shell.form1.get(), Qt::Key_Space);
    QTest::keyRelease(shell.form1.get(), Qt::Key_Space);
    shell.form1->Timer1Timer();
    QCOMPARE(int{game.record.Phase}, int{PhaseTitle});
    QTest::keyPress(shell.form1.get(), Qt::Key_Space);
    shell.form1->Timer1Timer();
    QTest::keyRelease(shell.form1.get(), Qt::Key_Space);
    QCOMPARE(int{game.record.Phase}, int{PhasePlaying});
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::MainWindowTest)
#include "main_window_test.moc"
