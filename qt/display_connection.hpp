#pragma once

#include <functional>

namespace zaptrail {

// Qt's own words when the framework cannot start: with no display to open it aborts the
// process. Installed before QApplication, this turns that into one line on standard error
// ("cannot open the display ...") and exit status 1; the messages of a start that succeeds are
// passed on once it has.
void WatchFrameworkStart();
void FrameworkStarted();

// The framework draws nothing on a display of fewer colours than this (its windows stay black),
// so such a display is refused at once: one line on standard error, and false.
bool DisplayCanShowTheGame();

// While one exists, the framework ending the process from inside its event loop (it calls
// exit(1) when the connection to the display breaks) first runs `onLost`, then ends the
// process at once with status 1, so it never lingers without its display.
class DisplayLossGuard {
 public:
  explicit DisplayLossGuard(std::function<void()> onLost);
  ~DisplayLossGuard();
  DisplayLossGuard(const DisplayLossGuard&) = delete;
  DisplayLossGuard& operator=(const DisplayLossGuard&) = delete;

 private:
  std::function<void()> onLost_;
};

}  // namespace zaptrail
