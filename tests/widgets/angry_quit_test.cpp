#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
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
  // The best times are kept first, silently; a save that fails is told on standard error and
  // changes nothing of the ending: the box, then the end.
  void TheSecondStageSavesThenEndsTheProgram_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("saved");
    QTest::newRow("saved") << QStringLiteral("angry") << true;
    QTest::newRow("nowhere to save") << QStringLiteral("angry-blocked") << false;
  }

  void TheSecondStageSavesThenEndsTheProgram() {
    QFETCH(QString, mode);
    QFETCH(bool, saved);
    const HelperRun run = RunHelper(mode);
    const auto removeRecords = qScopeGuard([&] { QDir(run.records).removeRecursively(); });
    QVERIFY2(!run.records.isEmpty(), qPrintable(run.output));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.output.contains(QStringLiteral("message GET ANGRY|GET ANGRY|1\n")),
             qPrintable(run.output));
    QCOMPARE(run.errors.contains(QStringLiteral("zaptrail: best times not saved: ")), !saved);
    if (!saved) return;
    QFile file(run.records + QStringLiteral("/zaptrail.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("42\r\n"));
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
