#pragma once

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace zaptrail::board {

// Answers to reads, kept for one second: a game stored through this board clears them at once,
// and one stored through another board sharing the database shows within that second.
template <typename Answer>
class AnswerCache {
 public:
  using Clock = std::chrono::steady_clock;

  std::optional<Answer> Find(const std::string& question, Clock::time_point now = Clock::now()) {
    std::lock_guard lock(mutex_);
    const auto found = answers_.find(question);
    if (found == answers_.end() || now - found->second.made >= kLifetime) return std::nullopt;
    return found->second.answer;
  }

  void Keep(const std::string& question, const Answer& answer,
            Clock::time_point now = Clock::now()) {
    std::lock_guard lock(mutex_);
    // Many different questions (pages, dates) in one second start the cache afresh.
    if (answers_.size() >= kMostAnswers) answers_.clear();
    answers_.insert_or_assign(question, Kept{answer, now});
  }

  void Clear() {
    std::lock_guard lock(mutex_);
    answers_.clear();
  }

 private:
  static constexpr auto kLifetime = std::chrono::seconds(1);
  static constexpr size_t kMostAnswers = 4096;
  struct Kept {
    Answer answer;
    Clock::time_point made;
  };
  std::mutex mutex_;
  std::unordered_map<std::string, Kept> answers_;
};

}  // namespace zaptrail::board
