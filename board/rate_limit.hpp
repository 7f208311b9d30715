#pragma once

#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

namespace zaptrail::board {

// At most `limit` events per key in any minute. Each board counts its own: behind a balancer
// spreading requests over N boards, a client gets up to N times the limit.
class RateLimit {
 public:
  using Clock = std::chrono::steady_clock;
  explicit RateLimit(int limit) : limit_(limit) {}

  // Counts one event for the key and says whether it is still within the limit; an event over
  // the limit is not counted.
  bool Allow(const std::string& key, Clock::time_point now = Clock::now());

 private:
  void ForgetQuietKeys(Clock::time_point now);

  int limit_;
  std::mutex mutex_;
  std::unordered_map<std::string, std::deque<Clock::time_point>> recent_;
  size_t calls_ = 0;
};

}  // namespace zaptrail::board
