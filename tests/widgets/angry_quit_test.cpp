#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace zaptrail::testing {
namespace {

struct HelperRun {
  int exitCode = -1;
  QString output;
  QString errors;
  QString records;  // the helper's records directory
};

HelperRun RunHelper(const QString& mode) {
  QProcess helper;
  helper.start(QStringLiteral(ANGRY_QUIT_HELPER), {mode});
  HelperRun run;
  if (!helper.waitForFinished(30000)) {
    helper.kill();
    helper.waitForFinished();
    return run;
  }
  run.exitCode = helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
  run.output = QString::fromUtf8(helper.readAllStandardOutput());
  run.errors = QString::fromUtf8(helper.readAllStandardError());
  for (const QString& line : run.output.split(QLatin1Char('\n'))) {
    if (line.startsWith(QStringLiteral("records "))) run.records = line.mid(8);
  }
  return run;
}

}  // namespace

class AngryQuitTest : public QObject {
  Q_OBJECT

 private slots:
  // The box the screen's last words, then the end; the best times are kept first, silently.
  void TheSecondStageSavesThenEndsTheProgram() {
    const HelperRun run = RunHelper(QStringLiteral("angry"));
    QVERIFY2(!run.records.isEmpty(), qPrintable(run.output));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.output.contains(QStringLiteral("message GET ANGRY|GET ANGRY|1\n")),
             qPrintable(run.output));
    QFile saved(run.records + QStringLiteral("/zaptrail.ini"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("42\r\n"));
    QVERIFY2(!run.errors.contains(QStringLiteral("not saved")), qPrintable(run.errors));
    QDir(run.records).removeRecursively();
  }

  // A save that fails is told on standard error and changes nothing of the ending.
  void AFailedSaveDoesNotStopTheEnding() {
    const HelperRun run = RunHelper(QStringLiteral("angry-blocked"));
    QVERIFY2(!run.records.isEmpty(), qPrintable(run.output));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.output.contains(QStringLiteral("message GET ANGRY|GET ANGRY|1\n")),
             qPrintable(run.output));
    QVERIFY2(run.errors.contains(QStringLiteral("zaptrail: best times not saved: ")),
             qPrintable(run.errors));
    QDir(run.records).removeRecursively();
  }

  void ClosingTheMainWindowSaves() {
    const HelperRun run = RunHelper(QStringLiteral("close"));
    QVERIFY2(!run.records.isEmpty(), qPrintable(run.output));
    QCOMPARE(run.exitCode, 0);
    QFile saved(run.records + QStringLiteral("/zaptrail.ini"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("42\r\n"));
    QDir(run.records).removeRecursively();
  }
};

}  // namespace zaptrail::testing

QTEST_GUILESS_MAIN(zaptrail::testing::AngryQuitTest)
#include "angry_quit_test.moc"
