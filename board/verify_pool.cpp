#include "board/verify_pool.hpp"

#include <sys/resource.h>
#include <unistd.h>

#include <utility>

namespace zaptrail::board {
namespace {

// Verifying threads yield the processor to the request threads: a read takes microseconds and
// someone waits on it, a verification takes milliseconds and has a queue.
constexpr int kVerifyingNiceness = 5;

}  // namespace

VerifyPool::VerifyPool(int threads, int queue) : capacity_(static_cast<size_t>(queue)) {
  for (int at = 0; at < threads; ++at) threads_.emplace_back([this] { Work(); });
}

VerifyPool::~VerifyPool() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  ready_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

std::future<void> VerifyPool::TrySubmit(std::function<void()> job) {
  std::packaged_task<void()> task(std::move(job));
  std::future<void> done = task.get_future();
  {
    std::lock_guard lock(mutex_);
    if (jobs_.size() >= capacity_) return {};
    jobs_.push(std::move(task));
  }
  ready_.notify_one();
  return done;
}

void VerifyPool::Work() {
  // Only this thread's priority: on Linux each thread has its own.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kVerifyingNiceness);
  for (;;) {
    std::packaged_task<void()> task;
    {
      std::unique_lock lock(mutex_);
      ready_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      if (jobs_.empty()) return;
      task = std::move(jobs_.front());
      jobs_.pop();
    }
    task();
  }
}

}  // namespace zaptrail::board
