// zaptrail-board: the trail board's server. Prints the port it answers on once it does, and
// ends cleanly on SIGTERM or SIGINT.
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <string>
#include <thread>
#include <vector>

#include "board/board.hpp"
#include "board/options.hpp"
#include "board/server.hpp"
#include "board/store.hpp"

namespace {

// The signals are taken by a thread of their own, which may stop the server safely. A signal
// that comes while the server is still starting stops it as soon as its loop runs.
void StopOnSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::thread([signals] {
    int taken = 0;
    sigwait(&signals, &taken);
    while (!zaptrail::board::StopServing()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }).detach();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zaptrail::board;
  Options options;
  try {
    options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zaptrail-board: %s\n%s", error.what(), UsageText().c_str());
    return 2;
  }
  if (options.help) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }
  StopOnSignals();
  try {
    const auto store = OpenStore(options.db);
    Board board(*store, options);
    const bool served = Serve(board, options, [&](int port) {
      std::printf("zaptrail-board: listening on %s:%d\n", options.host.c_str(), port);
      std::fflush(stdout);
    });
    return served ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zaptrail-board: %s\n", error.what());
    return 1;
  }
}
