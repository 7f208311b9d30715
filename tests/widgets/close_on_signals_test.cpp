#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "qt/close_on_signals.hpp"
#include "tests/session_seam.hpp"
#include "tests/widgets/shell_fixture.hpp"

namespace zaptrail::testing {

// Runs the application's event loop as the game does; gives up with 1 after two seconds.
int RunUntilQuit() {
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  giveUp.start(2000);
  return QApplication::exec();
}

class CloseOnSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void TermIntAndHupCloseAndSaveLikeTheCloseBox() {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
      Shell shell;
      CloseOnSignals closeOnSignals(*shell.form1);
      WritableGame(shell.form1->GameSession()).record.BestTimes = {"12", "", "7"};
      std::raise(signal);
      QVERIFY(shell.form1->isVisible());  // nothing happens inside the handler itself
      QCOMPARE(RunUntilQuit(), 0);
      QVERIFY(!shell.form1->isVisible());
      QFile saved(shell.directory.filePath(QStringLiteral("zaptrail.ini")));
      QVERIFY(saved.open(QIODevice::ReadOnly));
      QCOMPARE(saved.readAll(), QByteArray("12\r\n\r\n7\r\n"));
    }
  }

  // Nobody answers a dialog after a signal: the save falls back to the player's folder, and
  // when that fails too the game ends with status 1 instead of waiting.
  void AFailedSaveFallsBackAndNeverAsks() {
    for (bool userFolderBlocked : {false, true}) {
      Shell shell;
      CloseOnSignals closeOnSignals(*shell.form1);
      WritableGame(shell.form1->GameSession()).record.BestTimes = {"5"};
      QDir().mkdir(shell.directory.filePath(QStringLiteral("zaptrail.ini")));
      QFile blocker(shell.UserFolder());  // a file where the folder should be made
      if (userFolderBlocked) QVERIFY(blocker.open(QIODevice::WriteOnly));
      bool asked = false;
      QTimer watch;
      connect(&watch, &QTimer::timeout,
              [&] { asked |= QApplication::activeModalWidget() != nullptr; });
      watch.start(5);
      std::raise(SIGTERM);
      QCOMPARE(RunUntilQuit(), userFolderBlocked ? 1 : 0);
      QVERIFY(!asked);
      QFile saved(shell.UserFolder() + QStringLiteral("/zaptrail.ini"));
      QCOMPARE(saved.open(QIODevice::ReadOnly), !userFolderBlocked);
      if (!userFolderBlocked) QCOMPARE(saved.readAll(), QByteArray("5\r\n"));
    }
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::CloseOnSignalsTest)
#include "close_on_signals_test.moc"
