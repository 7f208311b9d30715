#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "session/label_game.hpp"
#include "win32/modal_showing.hpp"

namespace zaptrail {

class RandomSource;
class Session;

// The about box: title, credit line and the support page's link, and the label game hidden in
// it. The labels are drawn by the box itself, so it sees every mouse move over them. Created
// once and only shown and hidden, so the labels keep their captions, colours and places.
class TForm9 : private LabelGameView {
 public:
  TForm9(HINSTANCE instance, HWND owner, RandomSource& random);
  ~TForm9();
  TForm9(const TForm9&) = delete;
  TForm9& operator=(const TForm9&) = delete;

  HWND Window() const { return window_; }
  DialogResult ShowModal(HWND owner);
  // The run the label game's end belongs to.
  void AttachSession(Session& session) { session_ = &session; }

 private:
  struct Label {
    std::string caption;
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
    COLORREF colour;
    HFONT font;
  };

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void FormShow();
  void Paint();
  void MouseMove(POINT at);
  void Label3Click();
  Label& Shown(PlayingLabel label);
  int32_t MoveLabel(PlayingLabel label, int32_t left) override;
  int32_t ShowSecondStage(PlayingLabel label) override;
  void EndTheProgram() override;
  Label LabelFrom(const about::LabelDescription& description);
  void Resize(Label& label);
  void Repaint(const Label& label);
  std::optional<PlayingLabel> LabelAt(POINT at);
  bool OverLink(POINT at);

  LabelGame labelGame_;
  Session* session_ = nullptr;
  HFONT dialogFont_ = nullptr;
  HFONT titleFont_ = nullptr;
  HFONT linkFont_ = nullptr;
  HCURSOR hand_ = nullptr;
  HWND window_ = nullptr;
  Label Label1;
  Label Label2;
  Label Label3;
  Label Label4;
  ModalShowing showing_{nullptr};
};

}  // namespace zaptrail
