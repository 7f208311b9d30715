#include "qt/close_on_signals.hpp"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include "game/errors.hpp"
#include "qt/tform1.hpp"

namespace zaptrail {
namespace {

// SIGHUP: the terminal that started the game was closed.
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The two ends of the socket: the handler writes to [1], the event loop reads [0].
int signalSocket[2] = {-1, -1};

void WakeEventLoop(int signal) {
  const int savedErrno = errno;
  const auto byte = static_cast<char>(signal);
  // A full socket already holds a pending close, so a failed write loses nothing.
  [[maybe_unused]] const ssize_t written = ::write(signalSocket[1], &byte, 1);
  errno = savedErrno;
}

[[noreturn]] void Fail(const char* what) {
  throw GameError(std::string(what) + ": " + std::strerror(errno));
}

void CloseSocket() {
  for (int& end : signalSocket) {
    if (end >= 0) ::close(end);
    end = -1;
  }
}

}  // namespace

CloseOnSignals::CloseOnSignals(TForm1& window) : window_(window) {
  if (signalSocket[0] >= 0) throw GameError("signals are already being watched");
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSocket) != 0) {
    Fail("cannot watch for signals");
  }
  struct sigaction action {};
  action.sa_handler = WakeEventLoop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) {
    if (sigaction(signal, &action, nullptr) != 0) {
      CloseSocket();
      Fail("cannot catch signals");
    }
  }
  notifier_ = new QSocketNotifier(signalSocket[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &CloseOnSignals::CloseWindow);
}

CloseOnSignals::~CloseOnSignals() {
  for (int signal : kSignals) std::signal(signal, SIG_DFL);
  delete notifier_;
  CloseSocket();
}

void CloseOnSignals::CloseWindow() {
  // Nobody is there to answer a dialog: the close saves where it can and ends the program.
  // Signals arriving meanwhile are drained with this one.
  window_.CloseUnattended();
  char bytes[64];
  while (::read(signalSocket[0], bytes, sizeof bytes) > 0) {
  }
}

}  // namespace zaptrail
