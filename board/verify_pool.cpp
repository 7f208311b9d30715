#include "board/verify_pool.hpp"

#include <utility>

namespace zaptrail::board {

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
