#include "session/label_game.hpp"

#include "game/random.hpp"

namespace zaptrail {
namespace {

// A label is out once at most this many of its pixels remain inside the box.
constexpr int32_t kOutMargin = 4;
constexpr int32_t kLargestJump = 5;

}  // namespace

int32_t LabelJump(RandomSource& random, LabelSpan label, int32_t x) {
  // One draw on every move, whichever way the label goes: the draws shift later mazes.
  const int32_t jump = random.Draw() % kLargestJump;
  return x > label.width / 2 ? label.left - jump : label.left + jump;
}

bool IsLabelOut(LabelSpan label, int32_t clientWidth) {
  return label.left >= clientWidth - kOutMargin || label.left <= kOutMargin - label.width;
}

LabelGameStep JudgeLabels(const std::array<LabelSpan, 3>& labels, bool secondStage,
                          int32_t clientWidth) {
  for (const LabelSpan& label : labels) {
    if (!IsLabelOut(label, clientWidth)) return LabelGameStep::GoesOn;
  }
  return secondStage ? LabelGameStep::EndsTheProgram : LabelGameStep::SecondStage;
}

bool InSecondStage(std::string_view label1Caption) {
  return label1Caption == about::kSecondStage.caption;
}

}  // namespace zaptrail
