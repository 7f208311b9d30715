// The toolkit's own floor for the first frame: a main window with a two-menu bar and one
// 240 x 224 picture, nothing else. `make measure` times it beside the game, the same way.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>

#include "qt/measure_log.hpp"

namespace {

constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 224;
// Long past the first frame; the log is written once the program has ended.
constexpr int kLifetimeMs = 1500;

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("bare Qt window"));
  window.menuBar()->addMenu(QStringLiteral("&File"));
  window.menuBar()->addMenu(QStringLiteral("&Help"));
  QPixmap pixels(kPictureWidth, kPictureHeight);
  pixels.fill(Qt::black);
  auto* picture = new QLabel(&window);
  picture->setPixmap(pixels);
  window.setCentralWidget(picture);
  zaptrail::measure::WatchFirstFrame(*picture);
  window.show();
  QTimer::singleShot(kLifetimeMs, &application, &QCoreApplication::quit);
  return QApplication::exec();
}
