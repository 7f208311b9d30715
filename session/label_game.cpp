#include "session/label_game.hpp"

#include "game/random.hpp"

namespace zaptrail {
namespace {

// A label is out once at most this many of its pixels remain inside the box.
constexpr int32_t kOutMargin = 4;
constexpr int32_t kLargestJump = 5;

const about::LabelDescription& DescriptionOf(PlayingLabel label) {
  static constexpr std::array<const about::LabelDescription*, 3> kDescriptions{
      &about::kLabel1, &about::kLabel2, &about::kLabel4};
  return *kDescriptions[static_cast<size_t>(label)];
}

// Until the box first measures them, the labels are as described.
LabelSpan DescribedSpan(PlayingLabel label) {
  const ControlPlace& place = DescriptionOf(label).control.place;
  return {place.left, place.width};
}

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

LabelGame::LabelGame(RandomSource& random, LabelGameView& view)
    : random_(random),
      view_(view),
      spans_{DescribedSpan(PlayingLabel::Label1), DescribedSpan(PlayingLabel::Label2),
             DescribedSpan(PlayingLabel::Label4)} {}

void LabelGame::Reset() {
  for (PlayingLabel label : kPlayingLabels) {
    Span(label) = {about::kLabelLeft, view_.MoveLabel(label, about::kLabelLeft)};
  }
}

void LabelGame::PointerMoved(PlayingLabel label, int32_t x) {
  if (ended_) return;
  LabelSpan& span = Span(label);
  span.left = LabelJump(random_, span, x);
  span.width = view_.MoveLabel(label, span.left);
  const LabelGameStep step = JudgeLabels(spans_, secondStage_);
  if (step == LabelGameStep::SecondStage) BeginSecondStage();
  if (step == LabelGameStep::EndsTheProgram) {
    ended_ = true;
    view_.EndTheProgram();
  }
}

void LabelGame::BeginSecondStage() {
  secondStage_ = true;
  for (PlayingLabel label : kPlayingLabels) {
    Span(label) = {about::kSecondStage.left, view_.ShowSecondStage(label)};
  }
}

std::string_view LabelGame::Caption(PlayingLabel label) const {
  return secondStage_ ? about::kSecondStage.caption : DescriptionOf(label).control.text;
}

}  // namespace zaptrail
