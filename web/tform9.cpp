#include "web/tform9.hpp"

#include <utility>

#include "game/errors.hpp"
#include "session/label_game.hpp"
#include "session/session.hpp"
#include "web/about_page.hpp"
#include "web/page.hpp"
#include "web/tform1.hpp"

namespace zaptrail {
namespace {

LabelSpan SpanOf(const auto& label) {
  return {label.left, label.width};
}

}  // namespace

TForm9::TForm9(TForm1& form1, Session& session, RandomSource& random)
    : form1_(form1), session_(session), random_(random) {
  page::BuildAboutBox(kAboutCaption, about::kClient, kDialogFace);
  Label1 = AddLabel(0, about::kLabel1, false);
  Label2 = AddLabel(1, about::kLabel2, false);
  Label3 = AddLabel(2, about::kLabel3, true);
  Label4 = AddLabel(3, about::kLabel4, false);
  page::AddAboutButton(about::kButton1);
}

TForm9::Label TForm9::AddLabel(int32_t index, const about::LabelDescription& description,
                               bool link) {
  page::AddAboutLabel(index, description, link);
  // Measured at each showing: a box that is not showing has no layout.
  return {index, std::string(description.control.text), description.control.place.left, 0};
}

void TForm9::ShowModal(std::function<void()> ended) {
  showing_ = true;
  ended_ = std::move(ended);
  page::ShowAboutBox();
  FormShow();
}

void TForm9::FormShow() {
  for (Label* label : {&Label1, &Label2, &Label4}) {
    label->left = about::kLabelLeft;
    label->width = page::SetAboutLabel(label->index, label->left, label->caption);
  }
}

void TForm9::Button1Click() {
  EndShowing();
}

void TForm9::CloseBoxClick() {
  EndShowing();
}

void TForm9::EndShowing() {
  if (!showing_) return;
  showing_ = false;
  page::HideAboutBox();
  const std::function<void()> ended = std::move(ended_);
  ended_ = nullptr;
  ended();
}

void TForm9::LabelMouseMove(int32_t index, int32_t x) {
  if (!showing_ || ending_) return;
  if (index == Label3.index) {
    Label3MouseMove();
  } else if (index == Label1.index) {
    Label1MouseMove(Label1, x);
  } else if (index == Label2.index) {
    Label1MouseMove(Label2, x);
  } else if (index == Label4.index) {
    Label1MouseMove(Label4, x);
  }
}

void TForm9::Label3MouseMove() {
  page::SetAboutLabelColour(Label3.index, about::kLinkHoverColour);
}

void TForm9::FormMouseMove() {
  if (showing_) page::SetAboutLabelColour(Label3.index, about::kLabel3.colour);
}

void TForm9::Label3Click() {
  // The desktop says nothing when no browser starts; a page that the browser refuses a new tab
  // tells the player why nothing opened.
  if (showing_ && !page::OpenInNewTab(Label3.caption)) {
    form1_.ShowError(ErrorDialogText(CannotOpenAddressMessage(Label3.caption)), false);
  }
}

// The label game: the hovered label jumps away from the pointer, and all three out of the box
// end a stage.
void TForm9::Label1MouseMove(Label& label, int32_t x) {
  label.left = LabelJump(random_, SpanOf(label), x);
  page::SetAboutLabel(label.index, label.left, label.caption);
  const LabelGameStep step =
      JudgeLabels({SpanOf(Label1), SpanOf(Label2), SpanOf(Label4)}, InSecondStage(Label1.caption));
  if (step == LabelGameStep::SecondStage) BeginSecondStage();
  if (step == LabelGameStep::EndsTheProgram) EndTheProgram();
}

void TForm9::BeginSecondStage() {
  for (Label* label : {&Label1, &Label2, &Label4}) {
    label->left = about::kSecondStage.left;
    label->caption = std::string(about::kSecondStage.caption);
    label->width = page::SetAboutLabel(label->index, label->left, label->caption);
    page::SetAboutLabelColour(label->index, about::kSecondStage.colour);
  }
}

void TForm9::EndTheProgram() {
  ending_ = true;
  session_.EndByLabelGame([this](std::function<void()> dismissed) {
    const std::string angry(about::kEndingMessage);
    form1_.ShowMessageBox(angry, angry, [this, dismissed = std::move(dismissed)] {
      EndShowing();
      dismissed();
    });
  });
}

}  // namespace zaptrail
