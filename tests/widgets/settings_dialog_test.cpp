#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <vector>

#include "game/cues.hpp"
#include "game/tick.hpp"
#include "game/trace.hpp"
#include "tests/session_seam.hpp"
#include "tests/widgets/shell_fixture.hpp"

namespace zaptrail::testing {
namespace {

// The dialog's controls, found by their names.
struct Controls {
  explicit Controls(TForm3& dialog)
      : Edit1(*dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))),
        Up(*dialog.findChild<QToolButton*>(QStringLiteral("Up"))),
        Down(*dialog.findChild<QToolButton*>(QStringLiteral("Down"))),
        CheckBox1(*dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))),
        Button1(*dialog.findChild<QPushButton*>(QStringLiteral("Button1"))),
        Button2(*dialog.findChild<QPushButton*>(QStringLiteral("Button2"))) {}

  QLineEdit& Edit1;
  QToolButton& Up;
  QToolButton& Down;
  QCheckBox& CheckBox1;
  QPushButton& Button1;
  QPushButton& Button2;
};

class CueLog : public Trace {
 public:
  void Cue(uint8_t index) override { cues.push_back(index); }
  void Text(int32_t, int32_t, std::string_view) override {}
  std::vector<uint8_t> cues;
};

// How far the widest word of the box's text reaches past the room its label has; 0 when it
// fits, so nothing is cut off.
int Overflow(const QMessageBox& box) {
  const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (label == nullptr) return -1;
  int widest = 0;
  for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s")))) {
    widest = qMax(widest, label->fontMetrics().horizontalAdvance(word));
  }
  return qMax(0, widest - label->contentsRect().width());
}

// Opens the settings dialog from the menu, lets `use` work in it (it must close the dialog) and
// returns the message of the error dialog that followed, or nothing.
QString OpenSettings(Shell& shell, const std::function<void(Controls&)>& use,
                     int* overflow = nullptr) {
  QString error;
  QTimer errorWatch;
  QObject::connect(&errorWatch, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      error = box->text();
      if (overflow != nullptr) *overflow = Overflow(*box);
      box->done(QMessageBox::Ok);
    }
  });
  errorWatch.start(5);
  WhenModalShows([&](QWidget*) {
    Controls controls(*shell.form3);
    use(controls);
  });
  shell.form1->Property1Click();
  return error;
}

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void WindowControlsAndFont() {
    Shell shell;
    TForm3& dialog = *shell.form3;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ"));
    QCOMPARE(dialog.size(), QSize(201, 86));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(
        !(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    struct Expected {
      const char* name;
      QRect geometry;
      QString text;
    };
    const Expected expected[] = {
        {"Label1", {8, 8, 27, 12}, QStringLiteral("ｳｪｲﾄ")},
        {"Edit1", {39, 4, 66, 20}, QStringLiteral("32")},
        {"Label2", {128, 8, 41, 12}, QStringLiteral("ﾐﾘｾｺﾝﾄﾞ")},
        {"UpDown1", {105, 4, 15, 20}, QString()},
        {"CheckBox1", {16, 32, 97, 17}, QStringLiteral("ｻｳﾝﾄﾞ出力")},
        {"Button1", {56, 56, 65, 25}, QStringLiteral("OK")},
        {"Button2", {128, 56, 65, 25}, QStringLiteral("ｷｬﾝｾﾙ")},
    };
    for (const Expected& control : expected) {
      const auto* widget = dialog.findChild<QWidget*>(QLatin1String(control.name));
      QVERIFY2(widget != nullptr, control.name);
      QCOMPARE(widget->geometry(), control.geometry);
      QCOMPARE(widget->property("text").toString(), control.text);
      QCOMPARE(widget->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
      QCOMPARE(widget->font().pixelSize(), 12);
      QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("IPAPGothic"));
    }
    QVERIFY(Controls(dialog).CheckBox1.isChecked());

    // Declared and tabbed in the same order; the spin arrows take no focus of their own.
    QStringList chain;
    for (QWidget* at = dialog.nextInFocusChain(); at != &dialog; at = at->nextInFocusChain()) {
      if (!at->objectName().isEmpty() && at->parentWidget() == &dialog) chain << at->objectName();
    }
    QCOMPARE(chain, QStringList({"Label1", "Edit1", "Label2", "UpDown1", "CheckBox1", "Button1",
                                 "Button2"}));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    const QPoint screenCentre = shell.form1->screen()->availableGeometry().center();
    QVERIFY((dialog.geometry().center() - screenCentre).manhattanLength() <= 2);
    Controls controls(dialog);
    QCOMPARE(QApplication::focusWidget(), &controls.Edit1);
    const QWidget* tabbed[] = {&controls.CheckBox1, &controls.Button1, &controls.Button2,
                               &controls.Edit1};
    for (const QWidget* next : tabbed) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
    dialog.hide();
  }

  void OnlyAFocusedButtonAnswersEnterOrSpace() {
    Shell shell;
    shell.form1->TickTimer().stop();
    TForm3& dialog = *shell.form3;
    Controls controls(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(!controls.Button1.isDefault() && !controls.Button2.isDefault());
    for (QWidget* control : std::initializer_list<QWidget*>{&controls.Edit1, &controls.CheckBox1}) {
      control->setFocus();
      for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(control, key);
        QVERIFY(dialog.isVisible());
      }
    }
    controls.Button1.setFocus();
    QTest::keyClick(&controls.Button1, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 1);

    dialog.show();
    controls.Button2.setFocus();
    QTest::keyClick(&controls.Button2, Qt::Key_Space);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 2);

    dialog.show();
    QVERIFY(dialog.close());
    QCOMPARE(dialog.result(), 2);  // the close box
  }

  void SpinArrowsStepBy16BetweenTheLimits_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("shown");
    QTest::newRow("two ups from 32") << "32" << 2 << "64";
    QTest::newRow("down at 16") << "16" << -1 << "16";
    QTest::newRow("up at 30000") << "30000" << 1 << "30000";
    QTest::newRow("no group separator") << "29984" << 1 << "30000";
    QTest::newRow("a typed value steps") << "5" << 1 << "21";
    QTest::newRow("typed beyond the top") << "40000" << -1 << "30000";
    QTest::newRow("letters step from 32") << "abc" << 1 << "48";
    QTest::newRow("hexadecimal steps") << "$40" << 1 << "80";
  }

  void SpinArrowsStepBy16BetweenTheLimits() {
    QFETCH(QString, start);
    QFETCH(int, steps);
    QFETCH(QString, shown);
    Shell shell;
    Controls controls(*shell.form3);
    controls.Edit1.setText(start);
    for (int i = 0; i < std::abs(steps); ++i) (steps > 0 ? controls.Up : controls.Down).click();
    QCOMPARE(controls.Edit1.text(), shown);
  }

  void UpAndDownKeysStepInTheTextBox() {
    Shell shell;
    Controls controls(*shell.form3);
    QTest::keyClick(&controls.Edit1, Qt::Key_Up);
    QTest::keyClick(&controls.Edit1, Qt::Key_Up);
    QCOMPARE(controls.Edit1.text(), QStringLiteral("64"));
    QTest::keyClick(&controls.Edit1, Qt::Key_Down);
    QCOMPARE(controls.Edit1.text(), QStringLiteral("48"));
    QTest::keyClicks(&controls.Edit1, QStringLiteral("x!"));
    QCOMPARE(controls.Edit1.text(), QStringLiteral("48x!"));  // any text may be typed
  }

  void OkAppliesThePeriodAndThePhaseComesBack() {
    Shell shell;
    Game& game = WritableGame(shell.form1->GameSession());
    StartLevel(game);
    int8_t phaseInside = -1;
    const QString error = OpenSettings(shell, [&](Controls& controls) {
      phaseInside = game.record.Phase;
      controls.Up.click();
      controls.Up.click();
      controls.Button1.click();
    });
    QVERIFY(error.isEmpty());
    QCOMPARE(int{phaseInside}, int{PhaseHalted});
    QCOMPARE(int{game.record.Phase}, int{PhasePlaying});
    QCOMPARE(shell.form1->TickTimer().interval(), 64);
    QVERIFY(shell.form1->TickTimer().isActive());
  }

  void TypedPeriodsAreConvertedAndZeroStopsTheTicks() {
    Shell shell;
    QTimer& timer = shell.form1->TickTimer();
    const auto apply = [&](const QString& text) {
      return OpenSettings(shell, [&](Controls& controls) {
        controls.Edit1.setText(text);
        controls.Button1.click();
      });
    };
    QVERIFY(apply(QStringLiteral("$40")).isEmpty());
    QCOMPARE(timer.interval(), 64);
    QVERIFY(apply(QStringLiteral("  5")).isEmpty());  // no range check
    QCOMPARE(timer.interval(), 5);
    QVERIFY(apply(QStringLiteral("0")).isEmpty());
    QVERIFY(!timer.isActive());
    QVERIFY(apply(QStringLiteral("32")).isEmpty());
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 32);
  }

  void TextThatIsNoPeriodChangesNothing() {
    Shell shell;
    const Game& game = shell.form1->GameState();
    const QString rejected[] = {"abc", "-16", "", "1.5", "1,000", "4294967296"};
    for (const QString& text : rejected) {
      const QString error = OpenSettings(shell, [&](Controls& controls) {
        controls.Edit1.setText(text);
        controls.Button1.click();
      });
      QCOMPARE(error, QStringLiteral("'%1' は整数ではありません.").arg(text));
      QCOMPARE(shell.form1->TickTimer().interval(), 32);
      QVERIFY(shell.form1->TickTimer().isActive());
      QCOMPARE(int{game.record.Phase}, int{PhaseTitle});
      QCOMPARE(shell.form3->PeriodText(), text);  // stays in the box
    }
  }

  // A long entry is shown whole where it fits, else cut in its middle; never cut off at the edge.
  void ALongEntryIsShownWholeOrCutInItsMiddle() {
    Shell shell;
    for (const int length : {20, 1000}) {
      const QString text =
          QLatin1Char('1') + QString(length - 2, QLatin1Char('x')) + QLatin1Char('9');
      int overflow = -1;
      const QString error = OpenSettings(
          shell,
          [&](Controls& controls) {
            controls.Edit1.setText(text);
            controls.Button1.click();
          },
          &overflow);
      QCOMPARE(overflow, 0);
      QVERIFY(error.startsWith(QStringLiteral("'1xxx")));
      QVERIFY(error.endsWith(QStringLiteral("xxx9' は整数ではありません.")));
      QCOMPARE(error.contains(QChar(0x2026)), length == 1000);
    }
  }

  void CancelKeepsTheBoxesAndTheSwitchSilencesCues() {
    Shell shell;
    Game& game = WritableGame(shell.form1->GameSession());
    CueLog log;
    game.trace = &log;
    OpenSettings(shell, [](Controls& controls) {
      controls.Edit1.setText(QStringLiteral("100"));
      controls.CheckBox1.setChecked(false);
      controls.Button2.click();
    });
    QCOMPARE(shell.form1->TickTimer().interval(), 32);
    PlayCue(game, 0);
    PlayCue(game, 2);
    QVERIFY(log.cues.empty());

    // Reopened, the dialog shows what it was left with; the close box is a Cancel too.
    bool checkedAgain = true;
    OpenSettings(shell, [&](Controls& controls) {
      QCOMPARE(controls.Edit1.text(), QStringLiteral("100"));
      checkedAgain = controls.CheckBox1.isChecked();
      controls.CheckBox1.setChecked(true);
      shell.form3->close();
    });
    QVERIFY(!checkedAgain);
    QCOMPARE(shell.form1->TickTimer().interval(), 32);
    PlayCue(game, 0);
    QCOMPARE(log.cues, std::vector<uint8_t>{0});

    // The next OK applies the period typed before the Cancel.
    OpenSettings(shell, [](Controls& controls) { controls.Button1.click(); });
    QCOMPARE(shell.form1->TickTimer().interval(), 100);
    game.trace = nullptr;
  }

  void ACueReachesTheSoundDeviceUnlessSwitchedOff() {
    Shell shell;
    Game& game = WritableGame(shell.form1->GameSession());
    CuePlayer& cues = shell.form1->PlatformLayer().Cues();
    QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/WIN.WAV"),
                        shell.directory.filePath(QStringLiteral("WIN.WAV"))));
    QTRY_VERIFY(cues.WaitForDevice());  // opened once the first frame is shown
    shell.form3->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(false);
    PlayCue(game, 2);
    QCOMPARE(cues.PendingBytes(), 0);
    shell.form3->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    PlayCue(game, 2);
    QVERIFY(cues.PendingBytes() > 0);
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::SettingsDialogTest)
#include "settings_dialog_test.moc"
