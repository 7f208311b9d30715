#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "session/label_game.hpp"
#include "session/window_descriptions.hpp"

namespace zaptrail {

class RandomSource;
class Session;
class TForm1;

// The about box: title, credit line, the support page's link, and the label game hidden in it.
// Made once a run and only shown and hidden, so the labels keep their captions, colours and
// places (all but the lefts FormShow resets) for the whole run. A page cannot wait for a dialog,
// so a showing ends by calling the function it began with.
class TForm9 : private LabelGameView {
 public:
  TForm9(TForm1& form1, Session& session, RandomSource& random);
  TForm9(const TForm9&) = delete;
  TForm9& operator=(const TForm9&) = delete;

  bool Showing() const { return showing_; }
  void ShowModal(std::function<void()> ended);

  void FormShow();
  void Button1Click();
  // The close box, which Escape presses too.
  void CloseBoxClick();
  // The pointer moved over the label with this index in the box's declaration order (Label1,
  // Label2, Label3, Label4), x pixels from its left.
  void LabelMouseMove(int32_t index, int32_t x);
  void FormMouseMove();
  void Label3Click();

 private:
  void Label3MouseMove();
  int32_t MoveLabel(PlayingLabel label, int32_t left) override;
  int32_t ShowSecondStage(PlayingLabel label) override;
  void EndTheProgram() override;
  void EndShowing();

  TForm1& form1_;
  Session& session_;
  LabelGame labelGame_;
  bool showing_ = false;
  std::function<void()> ended_;
};

}  // namespace zaptrail
