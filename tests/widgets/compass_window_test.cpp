#include <QTest>
#include <QWindow>

#include "tests/session_seam.hpp"
#include "tests/widgets/shell_fixture.hpp"

namespace zaptrail::testing {

class CompassWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void AToolWindowWithoutFrameButtons() {
    Shell shell;
    TForm2& compass = *shell.form2;
    QCOMPARE(compass.windowTitle(), QStringLiteral("ｺﾝﾊﾟｽ"));
    const Qt::WindowFlags flags = compass.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(!(flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(compass.size(), QSize(64, 64));
    QCOMPARE(compass.minimumSize(), compass.maximumSize());
    QVERIFY(compass.isVisible());
  }

  void RefusesToClose() {
    Shell shell;
    QVERIFY(!shell.form2->close());
    QVERIFY(shell.form2->isVisible());
  }

  void SitsAgainstTheMainWindowsRightSide() {
    Shell shell;
    QVERIFY(QTest::qWaitForWindowExposed(shell.form1.get()));
    const QRect main = shell.form1->frameGeometry();
    QTRY_COMPARE(shell.form2->pos(), QPoint(main.x() + main.width(), main.y()));
  }

  void ShowsTheNeedleOfEveryPlayingTick() {
    Shell shell;
    Game& game = WritableGame(shell.form1->GameSession());
    QCOMPARE(game.compass.Pixel(32, 32), kBlack);  // black until the first playing tick
    shell.form1->TickTimer().stop();
    QVERIFY(shell.FocusMainWindow());
    game.record.TitleDelay = 8;
    QTest::keyPress(shell.form1.get(), Qt::Key_Space);
    shell.form1->Timer1Timer();
    QTest::keyRelease(shell.form1.get(), Qt::Key_Space);
    shell.form1->Timer1Timer();
    QCOMPARE(game.compass.Pixel(32, 32), RgbColour(0, 255, 255));
    const QImage shown = shell.form2->grab().toImage();
    QCOMPARE(shown.pixel(32, 32), QColor(0, 255, 255).rgb());
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::CompassWindowTest)
#include "compass_window_test.moc"
