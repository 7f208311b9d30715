#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "session/window_descriptions.hpp"

namespace zaptrail {

class RandomSource;
class Session;
class TForm1;

// The about box: title, credit line, the support page's link, and the label game hidden in it.
// Made once a run and only shown and hidden, so the labels keep their captions, colours and
// places (all but the lefts FormShow resets) for the whole run. A page cannot wait for a dialog,
// so a showing ends by calling the function it began with.
class TForm9 {
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
  struct Label {
    int32_t index;
    std::string caption;
    int32_t left;
    int32_t width;
  };
  // `link` gives the label the hand pointer and a click.
  Label AddLabel(int32_t index, const about::LabelDescription& description, bool link);
  void Label1MouseMove(Label& label, int32_t x);
  void Label3MouseMove();
  void BeginSecondStage();
  void EndTheProgram();
  void EndShowing();

  TForm1& form1_;
  Session& session_;
  RandomSource& random_;
  bool showing_ = false;
  // The last stage's box is up: the labels stay where they are.
  bool ending_ = false;
  std::function<void()> ended_;

  Label Label1;
  Label Label2;
  Label Label3;
  Label Label4;
};

}  // namespace zaptrail
