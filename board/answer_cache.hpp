#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace zaptrail::board {

// Answers to reads about one date each, kept for a second. A game stored through this board
// makes that date's answers old at once; one stored through another board sharing the database
// shows within the second. When an answer has grown old, one reader asks the store anew while
// the others are given the old answer meanwhile, for at most a second more, and the first
// answer to a question is waited for, so that a flood of reads, or of writes, never sends every
// reader to the database at once.
template <typename Answer>
class AnswerCache {
 public:
  using Clock = std::chrono::steady_clock;

  // The kept answer, or none: then this reader asks the store and gives the answer to Keep.
  std::optional<Answer> Find(const std::string& question, const std::string& date,
                             Clock::time_point now = Clock::now()) {
    std::unique_lock lock(mutex_);
    auto found = answers_.find(question);
    if (found == answers_.end()) {
      // Many different questions (pages, dates) in one second start the cache afresh.
      if (answers_.size() >= kMostAnswers) answers_.clear();
      found = answers_.try_emplace(question).first;
      found->second.date = date;
    } else if (!found->second.answer && found->second.asking) {
      // The first answer is on its way: a crowd of readers waits for it rather than asking the
      // same question all at once.
      answered_.wait_for(lock, kLongestWait, [&] {
        found = answers_.find(question);
        return found == answers_.end() || !found->second.asking;
      });
      if (found == answers_.end()) return std::nullopt;
      if (found->second.answer && !found->second.asking) return found->second.answer;
    }
    Kept& kept = found->second;
    if (kept.answer) {
      const auto age = now - kept.asked;
      if (!kept.old && age < kLifetime) return kept.answer;
      if (kept.asking && age < kLifetime + kLongestWait) return kept.answer;
    }
    kept.asking = true;
    kept.writtenMeanwhile = false;
    kept.askedAgain = now;
    return std::nullopt;
  }

  // The answer a reader sent by Find got from the store.
  void Keep(const std::string& question, const Answer& answer) {
    std::lock_guard lock(mutex_);
    const auto found = answers_.find(question);
    if (found == answers_.end() || !found->second.asking) return;
    Kept& kept = found->second;
    kept.answer = answer;
    kept.asked = kept.askedAgain;
    // A game stored while the store was asked may be missing from the answer.
    kept.old = kept.writtenMeanwhile;
    kept.asking = false;
    answered_.notify_all();
  }

  // A game of that date was stored: its answers are old.
  void Forget(const std::string& date) {
    std::lock_guard lock(mutex_);
    for (auto& [question, kept] : answers_) {
      if (kept.date != date) continue;
      kept.old = true;
      kept.writtenMeanwhile = kept.asking;
    }
  }

 private:
  static constexpr auto kLifetime = std::chrono::seconds(1);
  static constexpr auto kLongestWait = std::chrono::seconds(1);
  static constexpr size_t kMostAnswers = 4096;
  struct Kept {
    std::string date;
    std::optional<Answer> answer;
    Clock::time_point asked;       // when the kept answer was asked of the store
    bool old = false;              // a game of its date was stored since
    bool asking = false;           // a reader is asking the store anew
    Clock::time_point askedAgain;  // since when
    bool writtenMeanwhile = false;
  };
  std::mutex mutex_;
  std::condition_variable answered_;
  std::unordered_map<std::string, Kept> answers_;
};

}  // namespace zaptrail::board
