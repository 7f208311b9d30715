#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include "game/level.hpp"
#include "game/tick.hpp"
#include "qt/held_keys.hpp"
#include "qt/help_window.hpp"
#include "tests/session_seam.hpp"
#include "tests/widgets/shell_fixture.hpp"

// Runs on a real X server with a window manager that frames the windows.
namespace zaptrail::testing {
namespace {

// The window's client area on the X server, as the server itself reports it.
QPoint ServerPosition(const QWidget& window) {
  QProcess info;
  info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window.winId())});
  info.waitForFinished();
  const QString text = QString::fromUtf8(info.readAllStandardOutput());
  const auto x =
      QRegularExpression(QStringLiteral("Absolute upper-left X:\\s+(-?\\d+)")).match(text);
  const auto y =
      QRegularExpression(QStringLiteral("Absolute upper-left Y:\\s+(-?\\d+)")).match(text);
  return {x.captured(1).toInt(), y.captured(1).toInt()};
}

void Xdotool(const QString& action, const QString& key) {
  QProcess::execute(QStringLiteral("xdotool"), {action, key});
}

// Counts the presses of Space that reach each window, repeats included.
class SpacePresses : public QObject {
 public:
  SpacePresses() { qApp->installEventFilter(this); }
  int In(const QWidget& window) const { return counts_.value(window.windowHandle()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = qobject_cast<QWindow*>(watched);
    if (window != nullptr && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
      ++counts_[window];
    }
    return false;
  }

 private:
  QHash<const QWindow*, int> counts_;
};

}  // namespace

class WindowManagerTest : public QObject {
  Q_OBJECT

 private slots:
  void TheFramesSitSideBySideFromTheDesignedPlace() {
    Shell shell;
    QVERIFY(QTest::qWaitForWindowExposed(shell.form1.get()));
    const QRect main = shell.form1->frameGeometry();
    QVERIFY2(main.width() > 240, "the window manager framed the main window");
    QCOMPARE(main.topLeft(), QPoint(185, 164));
    QTRY_COMPARE(shell.form2->frameGeometry().topLeft(), QPoint(main.x() + main.width(), main.y()));
    QTRY_COMPARE(ServerPosition(*shell.form2), shell.form2->geometry().topLeft());
    QCOMPARE(ServerPosition(*shell.form1), shell.form1->geometry().topLeft());
  }

  // Space held in the help, then the main window clicked: the server's repeats of it reach the
  // main window as presses, and none of them may start the level.
  void AKeyHeldAcrossAChangeOfFocusCountsOnlyOnceReleased() {
    Shell shell;
    QVERIFY(QTest::qWaitForWindowExposed(shell.form1.get()));
    const HeldKeys& keys = shell.form1->PlatformLayer().Keys();
    shell.form1->SearchforHelpOn1Click();
    auto* help = shell.form1->findChild<HelpWindow*>();
    QVERIFY(help != nullptr && QTest::qWaitForWindowActive(help));
    SpacePresses presses;
    Xdotool(QStringLiteral("keydown"), QStringLiteral("space"));
    QTRY_VERIFY2(presses.In(*help) >= 3, "the server repeats a held key");
    shell.form1->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shell.form1.get()));
    QTRY_VERIFY(presses.In(*shell.form1) >= 3);
    QVERIFY(!keys.IsHeld(Key::Space));
    QCOMPARE(int{shell.form1->GameState().record.Phase}, int{PhaseTitle});
    // Released and pressed again, it is a press.
    Xdotool(QStringLiteral("keyup"), QStringLiteral("space"));
    Xdotool(QStringLiteral("keydown"), QStringLiteral("space"));
    QTRY_VERIFY(keys.IsHeld(Key::Space));
    Xdotool(QStringLiteral("keyup"), QStringLiteral("space"));
    QTRY_VERIFY(!keys.IsHeld(Key::Space));
  }

  void AShakingLevelReallyMovesTheMainWindow() {
    Shell shell;
    QVERIFY(QTest::qWaitForWindowExposed(shell.form1.get()));
    shell.form1->TickTimer().stop();
    Game& game = WritableGame(shell.form1->GameSession());
    SetLevel(game.record, 7);
    StartLevel(game);
    const QPoint start = shell.form1->pos();
    const QPoint compass = shell.form2->pos();
    for (int tick = 0; tick < 40; ++tick) shell.form1->Timer1Timer();
    const QPoint shaken(shell.form1->x(), shell.form1->y());
    QVERIFY(shaken != start);
    QVERIFY((shaken - start).manhattanLength() <= 40 * 4);
    const QPoint client = shell.form1->geometry().topLeft();
    QTRY_COMPARE(ServerPosition(*shell.form1), client);
    QCOMPARE(shell.form2->pos(), compass);  // the compass never follows
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::WindowManagerTest)
#include "window_manager_test.moc"
