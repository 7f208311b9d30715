// A whole game for angry_quit_test, run as a process of its own because it ends its event loop
// for good. With "angry" it plays the about box's label game through both stages ("angry-blocked":
// with folders in the way of every records file); with "close" it closes the main window, the
// ordinary way out. It prints the directory of its records file and what the last message box
// said, and exits with what the event loop returned.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <cstring>
#include <iostream>

#include "tests/session_seam.hpp"
#include "tests/widgets/label_game_steps.hpp"
#include "tests/widgets/shell_fixture.hpp"

namespace {

void AnswerTheMessageBox() {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    poll->stop();
    poll->deleteLater();
    std::cout << "message " << box->windowTitle().toStdString() << '|' << box->text().toStdString()
              << '|' << box->buttons().size() << std::endl;
    box->button(QMessageBox::Ok)->click();
  });
  poll->start(5);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  zaptrail::testing::Shell shell;
  shell.directory.setAutoRemove(false);  // the test looks into it after we are gone
  WritableGame(shell.form1->GameSession()).record.BestTimes = {"42"};
  std::cout << "records " << shell.directory.path().toStdString() << std::endl;

  if (argc > 1 && std::strcmp(argv[1], "angry-blocked") == 0) {
    QDir(shell.directory.path()).mkdir(QStringLiteral("zaptrail.ini"));
    QFile inTheWay(shell.UserFolder());
    if (!inTheWay.open(QIODevice::WriteOnly)) return 2;
  }
  if (argc > 1 && std::strncmp(argv[1], "angry", 5) == 0) {
    zaptrail::TForm9& box = *shell.form9;
    zaptrail::testing::WhenModalShows([&box](QWidget*) {
      zaptrail::testing::PushLabelsOut(box);
      AnswerTheMessageBox();
      zaptrail::testing::PushLabelsOut(box);
    });
    QTimer::singleShot(0, shell.form1.get(), &zaptrail::TForm1::K1Click);
  } else {
    QTimer::singleShot(0, shell.form1.get(), &zaptrail::TForm1::Quit1Click);
  }
  const int status = QApplication::exec();
  std::cout << "status " << status << std::endl;
  return status;
}
