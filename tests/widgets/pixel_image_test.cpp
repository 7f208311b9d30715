#include <QEvent>
#include <QTest>

#include "qt/pixel_image.hpp"
#include "tests/session_seam.hpp"
#include "tests/widgets/shell_fixture.hpp"

namespace zaptrail::testing {
namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

}  // namespace

class PixelImageTest : public QObject {
  Q_OBJECT

 private slots:
  void PaintsOnlyAPictureThatChanged() {
    PixelSurface picture(16, 16);
    QWidget window;
    auto* image = new PixelImage(picture, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    PaintCounter counter(*image);

    image->RepaintIfChanged();
    QCOMPARE(counter.paints, 0);  // the first paint of the shown window is still on screen
    picture.SetPixel(3, 4, kWhite);
    image->RepaintIfChanged();
    QCOMPARE(counter.paints, 1);
    image->RepaintIfChanged();
    QCOMPARE(counter.paints, 1);

    image->UpdateIfChanged();
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 1);
    picture.SetPixel(3, 4, kBlack);
    image->UpdateIfChanged();
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, 2);
    QCOMPARE(image->grab().toImage().pixel(3, 4), QColor(Qt::black).rgb());
  }

  void APlayingTickPaintsThePlayFieldOnceAndShowsIt() {
    Shell shell;
    TForm1& form = *shell.form1;
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.TickTimer().stop();
    Game& game = WritableGame(form.GameSession());
    game.record.TitleDelay = 8;
    QTest::keyPress(&form, Qt::Key_Space);
    form.Timer1Timer();
    QTest::keyRelease(&form, Qt::Key_Space);
    QCOMPARE(int{game.record.Phase}, int{PhasePlaying});

    PaintCounter counter(*form.centralWidget());
    form.Timer1Timer();
    QCOMPARE(counter.paints, 1);
    const QImage shown = form.centralWidget()->grab().toImage();
    for (const QPoint& at : {QPoint(0, 0), QPoint(119, 103), QPoint(4, 212), QPoint(239, 223)}) {
      QCOMPARE(shown.pixel(at) | 0xFF000000u, game.playField.Pixel(at.x(), at.y()));
    }
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::PixelImageTest)
#include "pixel_image_test.moc"
