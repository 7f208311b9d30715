#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace zaptrail::testing {

// A named pipe in a file's place, with no writer. Should the code under test hang opening or
// reading it, a writer comes after some seconds and leaves at once, which ends the wait with an
// empty read: the test then fails on HadToRelease() instead of hanging.
class StuckPipe {
 public:
  explicit StuckPipe(std::string path) : path_(std::move(path)) {
    made_ = ::mkfifo(path_.c_str(), 0600) == 0;
    watchdog_ = std::thread([this] {
      std::unique_lock lock(mutex_);
      if (done_.wait_for(lock, std::chrono::seconds(5), [this] { return finished_; })) return;
      released_ = true;
      const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
    });
  }
  ~StuckPipe() {
    {
      const std::lock_guard lock(mutex_);
      finished_ = true;
    }
    done_.notify_one();
    watchdog_.join();
  }
  StuckPipe(const StuckPipe&) = delete;
  StuckPipe& operator=(const StuckPipe&) = delete;

  bool Made() const { return made_; }
  bool HadToRelease() const { return released_; }

 private:
  std::string path_;
  bool made_ = false;
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::atomic<bool> released_ = false;
  std::thread watchdog_;
};

}  // namespace zaptrail::testing
