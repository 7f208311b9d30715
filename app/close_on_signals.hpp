#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace zaptrail {

// SIGINT and SIGTERM close the window as its close box does, so a plain kill or the desktop's
// log-out saves the records. The handler only writes to a socket; the close runs from the event
// loop. One at a time per process; the default actions come back when it is destroyed.
class CloseOnSignals : public QObject {
  Q_OBJECT

 public:
  // Throws when the socket cannot be made or the handlers cannot be installed.
  explicit CloseOnSignals(QWidget& window);
  ~CloseOnSignals() override;

 private:
  void CloseWindow();

  QWidget& window_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zaptrail
