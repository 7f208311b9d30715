#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "session/window_descriptions.hpp"

namespace zaptrail {

class RandomSource;

// A label's horizontal extent in the box's client area.
struct LabelSpan {
  int32_t left = 0;
  int32_t width = 0;
};

// Where a hovered label jumps with the pointer at x inside it: 0 to 4 pixels away from a pointer
// on its right half, else towards the right. Takes one draw whichever way it goes.
int32_t LabelJump(RandomSource& random, LabelSpan label, int32_t x);

// At most 4 pixels of the label remain inside the box.
bool IsLabelOut(LabelSpan label, int32_t clientWidth);

enum class LabelGameStep : uint8_t { GoesOn, SecondStage, EndsTheProgram };

// What follows a jump: nothing until Label1, Label2 and Label4 are all out; then the first
// stage turns them into "Get Angry", and the second one ends the program.
LabelGameStep JudgeLabels(const std::array<LabelSpan, 3>& labels, bool secondStage,
                          int32_t clientWidth = about::kClient.width);

// The labels the game is played with; Label3, the link, stays out of it.
enum class PlayingLabel : uint8_t { Label1, Label2, Label4 };
inline constexpr std::array<PlayingLabel, 3> kPlayingLabels{
    PlayingLabel::Label1, PlayingLabel::Label2, PlayingLabel::Label4};

// The one of a box's Label1, Label2 and Label4 that `label` names.
template <typename Shown>
Shown& PlayingLabelOf(PlayingLabel label, Shown& label1, Shown& label2, Shown& label4) {
  const std::array<Shown*, 3> shown{&label1, &label2, &label4};
  return *shown[static_cast<size_t>(label)];
}

// What the label game asks of the box that shows it. Each change answers with the label's width
// as shown afterwards, which its caption and the box's layout decide.
class LabelGameView {
 public:
  virtual ~LabelGameView() = default;
  // Puts the label at left, keeping its caption and colour.
  virtual int32_t MoveLabel(PlayingLabel label, int32_t left) = 0;
  // Gives the label the second stage's caption and colour at that stage's left.
  virtual int32_t ShowSecondStage(PlayingLabel label) = 0;
  // The last stage is over: the box with the ending message, then the program ends.
  virtual void EndTheProgram() = 0;

 protected:
  LabelGameView() = default;
  LabelGameView(const LabelGameView&) = default;
  LabelGameView& operator=(const LabelGameView&) = default;
};

// The label game of one about box for the whole run: where the playing labels are, which stage
// it is in, and whether it has ended. The box only moves its widgets as it is told.
class LabelGame {
 public:
  // Every jump draws from `random`, the game's own source, so the label game shifts later mazes.
  LabelGame(RandomSource& random, LabelGameView& view);

  // The box shows: the playing labels go back to their first left, in the stage they are in.
  void Reset();
  // The pointer moved over a playing label, x pixels from its left. Nothing moves once the game
  // has ended.
  void PointerMoved(PlayingLabel label, int32_t x);

  bool InSecondStage() const { return secondStage_; }
  bool Ended() const { return ended_; }
  // The label's caption in the stage the game is in.
  std::string_view Caption(PlayingLabel label) const;

 private:
  LabelSpan& Span(PlayingLabel label) { return spans_[static_cast<size_t>(label)]; }
  void BeginSecondStage();

  RandomSource& random_;
  LabelGameView& view_;
  std::array<LabelSpan, 3> spans_;
  bool secondStage_ = false;
  bool ended_ = false;
};

}  // namespace zaptrail
