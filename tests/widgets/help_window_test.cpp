#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "qt/help_window.hpp"
#include "tests/widgets/shell_fixture.hpp"
#include "tests/widgets/stuck_pipe.hpp"

namespace zaptrail::testing {
namespace {

// Opens the help with F1 as a player does, with or without the help file beside the game.
HelpWindow* PressF1(Shell& shell, bool withHelpFile) {
  if (withHelpFile) {
    QFile::copy(QStringLiteral(ZAPTRAIL_HELP_FILE),
                shell.directory.filePath(QStringLiteral("zaptrail-help.html")));
  }
  shell.form1->activateWindow();
  if (!QTest::qWaitForWindowActive(shell.form1.get())) return nullptr;
  QTest::keyClick(shell.form1.get(), Qt::Key_F1);
  return shell.form1->findChild<HelpWindow*>();
}

QStringList Sections(HelpWindow& help) {
  QStringList titles;
  const auto* contents = help.findChild<QListWidget*>();
  for (int32_t row = 0; row < contents->count(); ++row) titles << contents->item(row)->text();
  return titles;
}

QString Selected(HelpWindow& help) {
  return help.findChild<QTextBrowser*>()->textCursor().selectedText();
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void F1OpensTheContentsWithoutHaltingTheGame() {
    Shell shell;
    const Game& game = shell.form1->GameState();
    HelpWindow* help = PressF1(shell, true);
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QVERIFY(!help->isModal());
    QCOMPARE(int{game.record.Phase}, int{PhaseTitle});
    QCOMPARE(Sections(*help),
             (QStringList{"How to play", "Controls", "Gamepad", "The eight variants", "Records",
                          "Settings", "About the game"}));

    QTest::keyClick(shell.form1.get(), Qt::Key_F1);  // a second F1 reuses the window
    QCOMPARE(shell.form1->findChildren<HelpWindow*>().size(), 1);
  }

  void AChosenSectionComesIntoView() {
    Shell shell;
    HelpWindow* help = PressF1(shell, true);
    QVERIFY(help != nullptr);
    auto* text = help->findChild<QTextBrowser*>();
    help->findChild<QListWidget*>()->setCurrentRow(4);
    QCOMPARE(text->textCursor().block().text(), QStringLiteral("Records"));
    const QRect shown = text->viewport()->rect();
    QVERIFY(shown.contains(text->cursorRect().center()));
  }

  void TheSearchFindsAWordAndGoesRound() {
    Shell shell;
    HelpWindow* help = PressF1(shell, true);
    QVERIFY(help != nullptr);
    auto* field = help->findChild<QLineEdit*>();
    QTest::keyClicks(field, QStringLiteral("gamepad"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(Selected(*help).toLower(), QStringLiteral("gamepad"));
    const int32_t first = help->findChild<QTextBrowser*>()->textCursor().position();
    int32_t wrapped = -1;
    for (int32_t again = 0; again < 20 && wrapped != first; ++again) {
      QVERIFY(help->Find(QStringLiteral("gamepad")));
      wrapped = help->findChild<QTextBrowser*>()->textCursor().position();
    }
    QCOMPARE(wrapped, first);

    QVERIFY(!help->Find(QStringLiteral("xylophone")));
    QVERIFY(!help->Find(QString()));
    bool toldSo = false;
    for (const QLabel* label : help->findChildren<QLabel*>()) {
      toldSo = toldSo || label->text().contains(QStringLiteral("xylophone"));
    }
    QVERIFY(toldSo);
  }

  void AMissingHelpFileIsReportedPlainly() {
    Shell shell;
    HelpWindow* help = PressF1(shell, false);
    QVERIFY(help != nullptr);
    const QString shown = help->findChild<QTextBrowser*>()->toPlainText();
    QVERIFY(shown.contains(QStringLiteral("missing")));
    QVERIFY(shown.contains(shell.directory.filePath(QStringLiteral("zaptrail-help.html"))));
    QVERIFY(Sections(*help).isEmpty());

    // Put back while the game runs, it is found at the next F1.
    help->close();
    HelpWindow* again = PressF1(shell, true);
    QCOMPARE(again, help);
    QVERIFY(!Sections(*help).isEmpty());
  }

  // Whatever stands in the help file's place, F1 comes back at once and the help says what is
  // true of the file, naming it: a pipe, a folder, a file far too large, a link to an endless
  // device, an empty file.
  void OnlyARegularFileOfASaneSizeIsOpened() {
    Shell shell;
    const QString path = shell.directory.filePath(QStringLiteral("zaptrail-help.html"));
    const auto says = [&](HelpWindow* help, const QString& what) {
      if (help == nullptr) return false;
      const QString shown = help->findChild<QTextBrowser*>()->toPlainText();
      return shown.startsWith(what) && shown.contains(path) && Sections(*help).isEmpty();
    };
    const QString notAFile = QStringLiteral("The help file cannot be used: something that is not");
    {
      const StuckPipe pipe(QFile::encodeName(path).toStdString());
      QVERIFY(pipe.Made());
      QVERIFY(says(PressF1(shell, false), notAFile));
      QVERIFY(!pipe.HadToRelease());
    }
    QFile::remove(path);
    QVERIFY(QDir().mkdir(path));
    QVERIFY(says(PressF1(shell, false), notAFile));
    QVERIFY(QDir().rmdir(path));
    QFile huge(path);
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write("<h2>Huge</h2>" + QByteArray(1 << 20, 'x'));
    huge.close();
    QVERIFY(says(PressF1(shell, false), QStringLiteral("The help file cannot be used: it is far")));
    QVERIFY(huge.open(QIODevice::WriteOnly | QIODevice::Truncate));
    huge.close();
    QVERIFY(says(PressF1(shell, false), QStringLiteral("The help file is empty.")));
    QFile::remove(path);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    QVERIFY(says(PressF1(shell, false), notAFile));
  }

  void TypingInTheHelpDoesNotPlayTheGame() {
    Shell shell;
    HelpWindow* help = PressF1(shell, true);
    QVERIFY(help != nullptr);
    HeldKeys& keys = shell.form1->PlatformLayer().Keys();
    auto* field = help->findChild<QLineEdit*>();
    // Through the platform window, the way real keys arrive, and straight at the field.
    QTest::keyPress(help->windowHandle(), Qt::Key_Space);
    QTest::keyPress(field, Qt::Key_Left);
    QVERIFY(!keys.IsHeld(Key::Space));
    QVERIFY(!keys.IsHeld(Key::Left));
    QTest::keyRelease(help->windowHandle(), Qt::Key_Space);
    QTest::keyRelease(field, Qt::Key_Left);

    // A key held in the game and let go in the help is let go for the game too.
    QTest::keyPress(shell.form1.get(), Qt::Key_Right);
    QVERIFY(keys.IsHeld(Key::Right));
    QTest::keyRelease(field, Qt::Key_Right);
    QVERIFY(!keys.IsHeld(Key::Right));

    QTest::keyClick(field, Qt::Key_Escape);  // closes the help, not the game
    QVERIFY(!help->isVisible());
    QVERIFY(shell.form1->isVisible());
    QVERIFY(!keys.IsHeld(Key::Escape));
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::HelpWindowTest)
#include "help_window_test.moc"
