#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "qt/program_resources.hpp"
#include "tests/widgets/label_game_steps.hpp"
#include "tests/widgets/shell_fixture.hpp"

namespace zaptrail::testing {
namespace {

const QString kUrl = QStringLiteral("https://lumlum.example/zaptrail/");

QColor TextColour(const QLabel* label) {
  return label->palette().color(QPalette::WindowText);
}

// The four labels under the names of what they show.
struct Labels {
  explicit Labels(TForm9& box)
      : title(FindLabel(box, "Label1")),
        credit(FindLabel(box, "Label2")),
        link(FindLabel(box, "Label3")),
        support(FindLabel(box, "Label4")) {}
  QLabel* title;
  QLabel* credit;
  QLabel* link;
  QLabel* support;
};

// Sized to the text: the caption's width, give or take the rounding of its last glyph.
bool FitsItsText(const QLabel* label) {
  return qAbs(label->width() - label->fontMetrics().horizontalAdvance(label->text())) <= 1;
}

// Counts the message boxes that show while it lives, and closes each one.
class MessageBoxCount : public QObject {
 public:
  MessageBoxCount() { qApp->installEventFilter(this); }
  ~MessageBoxCount() override { qApp->removeEventFilter(this); }
  int shown = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show) {
      ++shown;
      QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
    }
    return false;
  }
};

// Moves the pointer over a point of `over` through the box's own window, as the platform does:
// the event finds its widget by position and climbs to the box when no one takes it.
void Hover(TForm9& box, QWidget* over, QPoint at) {
  QTest::mouseMove(box.windowHandle(), over->mapTo(&box, at));
}

}  // namespace

class AboutBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void CaptionFrameAndPlaces() {
    Shell shell;
    TForm9& box = *shell.form9;
    QCOMPARE(box.windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ表示"));
    QCOMPARE(box.size(), QSize(212, 157));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(box.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(box.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(box.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(FindLabel(box, "Label1")->pos(), QPoint(8, 8));
    QCOMPARE(FindLabel(box, "Label2")->pos(), QPoint(8, 32));
    QCOMPARE(FindLabel(box, "Label4")->pos(), QPoint(8, 56));
    QCOMPARE(FindLabel(box, "Label3")->pos(), QPoint(8, 72));
    auto* ok = box.findChild<QPushButton*>(QStringLiteral("Button1"));
    QCOMPARE(ok->geometry(), QRect(72, 120, 65, 25));
    QCOMPARE(ok->text(), QStringLiteral("OK"));

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect screen = box.screen()->availableGeometry();
    QVERIFY((box.geometry().center() - screen.center()).manhattanLength() <= 2);
    QCOMPARE(QApplication::focusWidget(), ok);  // the only control that takes the focus
    box.done(1);
  }

  void CaptionsFontsColoursAndTheHand() {
    Shell shell;
    TForm9& box = *shell.form9;
    auto [title, credit, link, support] = Labels(box);
    QCOMPARE(title->text(), QStringLiteral("zap trail"));
    QVERIFY(credit->text().contains(QStringLiteral("2026 lumlum works inc.")));
    QCOMPARE(support->text(), QStringLiteral("ｻﾎﾟｰﾄﾍﾟｰｼﾞ"));
    QCOMPARE(link->text(), kUrl);

    for (QLabel* label : {title, credit, link, support}) {
      const QFontInfo face(label->font());
      QCOMPARE(face.family(), QStringLiteral("IPAPGothic"));
      QCOMPARE(face.pixelSize(), 12);
      QVERIFY(FitsItsText(label));
      QVERIFY2(label->geometry().right() < box.width(), qPrintable(label->text()));
    }
    QVERIFY(title->font().bold());
    QCOMPARE(TextColour(title), QColor(Qt::black));
    QVERIFY(link->font().underline());
    QCOMPARE(TextColour(link), QColor(Qt::blue));
    const QColor windowText = box.palette().color(QPalette::WindowText);
    QCOMPARE(TextColour(credit), windowText);
    QCOMPARE(TextColour(support), windowText);

    QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(link->cursor().hotSpot(), QPoint(6, 1));
    QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
    QCOMPARE(title->cursor().shape(), Qt::ArrowCursor);
  }

  void TheLinkLightsUpUnderThePointerOnly() {
    Shell shell;
    TForm9& box = *shell.form9;
    QLabel* link = FindLabel(box, "Label3");
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    Hover(box, link, QPoint(20, 5));
    QCOMPARE(TextColour(link), QColor(Qt::cyan));
    Hover(box, box.findChild<QPushButton*>(QStringLiteral("Button1")), QPoint(10, 10));
    QCOMPARE(TextColour(link), QColor(Qt::cyan));
    Hover(box, FindLabel(box, "Label2"), QPoint(3, 3));
    QCOMPARE(TextColour(link), QColor(Qt::cyan));
    Hover(box, &box, QPoint(200, 100));
    QCOMPARE(TextColour(link), QColor(Qt::blue));
    box.done(1);
  }

  void AHoveredLabelJumpsAwayFromThePointer() {
    Shell shell(7);
    TForm9& box = *shell.form9;
    RandomSource& random = shell.form1->GameSession().LabelGameRandom();
    QLabel* credit = FindLabel(box, "Label2");
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const int32_t half = credit->width() / 2;

    for (int32_t move = 0; move < 12; ++move) {
      RandomSource expected = random;
      const int32_t jump = expected.Draw() % 5;
      const int32_t before = credit->x();
      // Alternate sides; exactly half way counts as the left half.
      const bool rightHalf = move % 2 == 0;
      Hover(box, credit, QPoint(rightHalf ? half + 1 : half, 3 + move % 3));
      QCOMPARE(credit->x(), rightHalf ? before - jump : before + jump);
      QCOMPARE(random.State(), expected.State());  // one draw per move, even a jump of 0
    }
    box.done(1);
  }

  void TheFirstStageNeedsAllThreeOut() {
    Shell shell;
    TForm9& box = *shell.form9;
    auto [title, credit, link, support] = Labels(box);
    const int32_t rightEdge = box.width() - 4;

    // Each move of a label at its left edge pushes it 0 to 4 pixels right. Two out change
    // nothing; the move that takes the third out changes the stage.
    for (QLabel* label : {title, credit}) {
      while (label->x() < rightEdge) box.Label1MouseMove(label, 0);
    }
    QCOMPARE(title->text(), QStringLiteral("zap trail"));
    int32_t lastLeft = support->x();
    while (title->text() == QStringLiteral("zap trail")) {
      lastLeft = support->x();
      box.Label1MouseMove(support, 0);
    }
    QVERIFY(lastLeft < rightEdge && lastLeft + 4 >= rightEdge);
    for (QLabel* label : {title, credit, support}) {
      QCOMPARE(label->text(), QStringLiteral("Get Angry"));
      QCOMPARE(TextColour(label), QColor(Qt::red));
      QCOMPARE(label->x(), 18);
      QVERIFY(FitsItsText(label));
    }
    QCOMPARE(title->y(), 8);
    QCOMPARE(credit->y(), 32);
    QCOMPARE(support->y(), 56);
    QCOMPARE(link->text(), kUrl);
  }

  void ShowingAgainResetsLeftsButNotTheStage() {
    Shell shell;
    TForm9& box = *shell.form9;
    QLabel* link = FindLabel(box, "Label3");
    PushLabelsOut(box);
    box.Label1MouseMove(FindLabel(box, "Label2"), 0);
    box.Label3MouseMove();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    for (const char* name : {"Label1", "Label2", "Label4"}) {
      QCOMPARE(FindLabel(box, name)->x(), 8);
      QCOMPARE(FindLabel(box, name)->text(), QStringLiteral("Get Angry"));
      QCOMPARE(TextColour(FindLabel(box, name)), QColor(Qt::red));
    }
    QCOMPARE(TextColour(link), QColor(Qt::cyan));
    QCOMPARE(link->x(), 8);
    box.done(1);
  }

  void OkAndTheCloseBoxEndTheShowing() {
    Shell shell;
    TForm9& box = *shell.form9;
    WhenModalShows([](QWidget* shown) {
      QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    QCOMPARE(box.exec(), 1);
    WhenModalShows([](QWidget* shown) { shown->close(); });
    QCOMPARE(box.exec(), 0);  // the main window counts anything but OK as 2
  }

  void TheLinkGoesToTheOpenerAndAFailureIsSilent() {
    Shell shell;
    TForm9& box = *shell.form9;
    QLabel* link = FindLabel(box, "Label3");
    QList<QUrl> opened;
    box.SetLinkOpener([&](const QUrl& url) {
      opened.append(url);
      return false;
    });
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    MessageBoxCount boxes;
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    QCOMPARE(opened, QList<QUrl>{QUrl(kUrl)});
    QVERIFY(box.isVisible());
    // Once the event loop has come round to a call queued now, whatever the click queued has
    // run too: no message box showed, then or during the click.
    bool cameRound = false;
    QTimer::singleShot(0, [&] { cameRound = true; });
    QTRY_VERIFY(cameRound);
    QCOMPARE(boxes.shown, 0);
    // A click on the other labels opens nothing.
    QTest::mouseClick(FindLabel(box, "Label4"), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(opened.size(), 1);
    box.done(1);
  }

  // The game carries the icon and the cursor as pixels generated from the same art as the PNGs
  // the desktop shows; a wrong channel order or a lost alpha would tell them apart.
  void TheIconAndTheCursorAreThePicturesOfTheDesktop() {
    const QList<QSize> sizes = MainIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
    const struct {
      QPixmap shown;
      const char* file;
    } pictures[] = {
        {MainIcon().pixmap(QSize(32, 32)), "icon-32.png"},
        {MainIcon().pixmap(QSize(16, 16)), "icon-16.png"},
        {HandCursor().pixmap(), "hand-cursor.png"},
    };
    for (const auto& picture : pictures) {
      const QImage desktop(QStringLiteral(ZAPTRAIL_ASSETS_DIR "/") + QLatin1String(picture.file));
      QVERIFY2(!desktop.isNull(), picture.file);
      QCOMPARE(picture.shown.toImage().convertToFormat(QImage::Format_ARGB32),
               desktop.convertToFormat(QImage::Format_ARGB32));
    }
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::AboutBoxTest)
#include "about_box_test.moc"
