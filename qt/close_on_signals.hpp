#pragma once

#include <QObject>

class QSocketNotifier;

namespace zaptrail {

class TForm1;

// SIGINT, SIGTERM and SIGHUP close the window and save the records, so a plain kill, the
// desktop's log-out or a closed terminal keeps the best times; nobody is asked anything. The
// handler only writes to a socket; the close runs from the event loop. One at a time per process;
// the default actions come back when it is destroyed.
class CloseOnSignals : public QObject {
  Q_OBJECT

 public:
  // Throws when the socket cannot be made or the handlers cannot be installed.
  explicit CloseOnSignals(TForm1& window);
  ~CloseOnSignals() override;

 private:
  void CloseWindow();

  TForm1& window_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zaptrail
