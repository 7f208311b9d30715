#pragma once

#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <queue>
#include <thread>
#include <vector>

namespace zaptrail::board {

// A fixed number of threads re-simulating trails, with a bounded queue before them. A request
// that finds the queue full is turned away at once, so a flood of submissions occupies at most
// `threads + queue` request threads and the others go on serving reads.
class VerifyPool {
 public:
  VerifyPool(int threads, int queue);
  VerifyPool(const VerifyPool&) = delete;
  VerifyPool& operator=(const VerifyPool&) = delete;
  ~VerifyPool();

  // The job's future, or no valid future when the queue is full.
  std::future<void> TrySubmit(std::function<void()> job);

 private:
  void Work();

  const size_t capacity_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::queue<std::packaged_task<void()>> jobs_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace zaptrail::board
