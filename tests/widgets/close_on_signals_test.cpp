#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "app/close_on_signals.hpp"
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
  void TermAndIntCloseAndSaveLikeTheCloseBox() {
    for (int signal : {SIGTERM, SIGINT}) {
      Shell shell;
      CloseOnSignals closeOnSignals(*shell.form1);
      shell.form1->GameState().record.BestTimes = {"12", "", "7"};
      std::raise(signal);
      QVERIFY(shell.form1->isVisible());  // nothing happens inside the handler itself
      QCOMPARE(RunUntilQuit(), 0);
      QVERIFY(!shell.form1->isVisible());
      QFile saved(shell.directory.filePath(QStringLiteral("zaptrail.ini")));
      QVERIFY(saved.open(QIODevice::ReadOnly));
      QCOMPARE(saved.readAll(), QByteArray("12\r\n\r\n7\r\n"));
    }
  }

  void AFailedSaveShowsOneErrorAndKeepsTheWindowOpen() {
    Shell shell;
    CloseOnSignals closeOnSignals(*shell.form1);
    const QString path = shell.directory.filePath(QStringLiteral("zaptrail.ini"));
    QDir().mkdir(path);  // a directory where the file should go: the save fails
    int32_t dialogs = 0;
    QPointer<QMessageBox> seen;  // a later box may reuse the address of one gone
    int32_t looks = 0;
    QTimer dismiss;
    connect(&dismiss, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      if (box != seen) {
        seen = box;
        looks = 0;
        ++dialogs;
        QVERIFY(box->text().endsWith(QStringLiteral("を作成できません.")));
        std::raise(SIGTERM);  // arrives while the dialog is up: joins this close
      } else if (++looks == 10) {
        std::raise(SIGINT);  // still pending when the close returns
        box->done(QMessageBox::Ok);
      }
    });
    dismiss.start(5);
    std::raise(SIGINT);
    QTRY_COMPARE_WITH_TIMEOUT(dialogs, 1, 2000);
    QTest::qWait(100);
    QCOMPARE(dialogs, 1);
    QVERIFY(shell.form1->isVisible());

    QDir().rmdir(path);
    std::raise(SIGTERM);
    QCOMPARE(RunUntilQuit(), 0);
    QVERIFY(QFile::exists(path));
  }
};

}  // namespace zaptrail::testing

QTEST_MAIN(zaptrail::testing::CloseOnSignalsTest)
#include "close_on_signals_test.moc"
