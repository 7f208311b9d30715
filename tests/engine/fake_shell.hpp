#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "session/session.hpp"

namespace zaptrail::testing {

// A shell that only writes down what the session asks of it.
class FakeShell : public SessionShell {
 public:
  void Stop() override { ticking = false; }
  bool Start(int32_t periodMs) override {
    ticking = periodMs != 0;
    periods.push_back(periodMs);
    return true;
  }
  void EndProgram(int status) override { ended.push_back(status); }
  void AskQuitWithoutSaving(const std::string& message, std::function<void(bool)> answer) override {
    questions.push_back(message);
    if (answerAtOnce) {
      answer(*answerAtOnce);
    } else {
      pending = std::move(answer);
    }
  }

  // Empty: the question stays open until the test answers `pending`, as a page would.
  std::optional<bool> answerAtOnce;
  std::function<void(bool)> pending;
  bool ticking = false;
  std::vector<int32_t> periods;
  std::vector<int> ended;
  std::vector<std::string> questions;
};

}  // namespace zaptrail::testing
