#include "board/rate_limit.hpp"

#include <iterator>

namespace zaptrail::board {
namespace {

constexpr auto kWindow = std::chrono::minutes(1);
// How often the keys nobody used for a minute are dropped, in calls.
constexpr size_t kSweepEvery = 1024;

}  // namespace

bool RateLimit::Allow(const std::string& key, Clock::time_point now) {
  std::lock_guard lock(mutex_);
  if (++calls_ % kSweepEvery == 0) ForgetQuietKeys(now);
  std::deque<Clock::time_point>& times = recent_[key];
  while (!times.empty() && now - times.front() >= kWindow) times.pop_front();
  if (static_cast<int>(times.size()) >= limit_) return false;
  times.push_back(now);
  return true;
}

void RateLimit::ForgetQuietKeys(Clock::time_point now) {
  for (auto entry = recent_.begin(); entry != recent_.end();) {
    const bool quiet = entry->second.empty() || now - entry->second.back() >= kWindow;
    entry = quiet ? recent_.erase(entry) : std::next(entry);
  }
}

}  // namespace zaptrail::board
