#include "tests/widgets/shell_fixture.hpp"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace zaptrail::testing {

Shell::Shell(uint32_t seed) {
  SessionOptions options;
  options.seed = seed;
  options.appDir = directory.path().toStdString();
  options.userFolder = UserFolder().toStdString();
  form1 = std::make_unique<TForm1>(options);
  form2 = std::make_unique<TForm2>(form1->GameState().compass, form1.get());
  form2->show();
  form9 = std::make_unique<TForm9>(form1->GameSession().LabelGameRandom(), form1.get());
  form3 = std::make_unique<TForm3>(form1.get());
  form1->AttachWindows(form2.get(), form3.get(), form9.get());
  form1->show();
}

bool Shell::FocusMainWindow() {
  form1->activateWindow();
  return QTest::qWaitForWindowActive(form1.get());
}

void WhenModalShows(std::function<void(QWidget*)> action) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      action(modal);
    }
  });
  poll->start(5);
}

int RunUntilTheProgramEnds(const std::function<void()>& action, int timeoutMs) {
  QTimer start;
  start.setSingleShot(true);
  QObject::connect(&start, &QTimer::timeout, action);
  start.start(0);
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
  giveUp.start(timeoutMs);
  return QApplication::exec();
}

}  // namespace zaptrail::testing
