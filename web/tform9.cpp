#include "web/tform9.hpp"

#include <utility>

#include "game/errors.hpp"
#include "session/session.hpp"
#include "web/about_page.hpp"
#include "web/page.hpp"
#include "web/tform1.hpp"

namespace zaptrail {
namespace {

// The page knows the labels by their place in the box's declaration order.
constexpr int32_t kLabel3Index = 2;

int32_t IndexOf(PlayingLabel label) {
  constexpr int32_t kIndices[] = {0, 1, 3};
  return kIndices[static_cast<size_t>(label)];
}

}  // namespace

TForm9::TForm9(TForm1& form1, Session& session, RandomSource& random)
    : form1_(form1), session_(session), labelGame_(random, *this) {
  page::BuildAboutBox(kAboutCaption, about::kClient);
  // Measured at each showing: a box that is not showing has no layout. Only the link takes
  // the hand pointer and a click.
  page::AddAboutLabel(0, about::kLabel1, false);
  page::AddAboutLabel(1, about::kLabel2, false);
  page::AddAboutLabel(kLabel3Index, about::kLabel3, true);
  page::AddAboutLabel(3, about::kLabel4, false);
  page::AddAboutButton(about::kButton1);
}

void TForm9::ShowModal(std::function<void()> ended) {
  showing_ = true;
  ended_ = std::move(ended);
  page::ShowAboutBox();
  FormShow();
}

void TForm9::FormShow() {
  labelGame_.Reset();
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
  if (!showing_) return;
  if (index == kLabel3Index) {
    Label3MouseMove();
    return;
  }
  for (PlayingLabel label : kPlayingLabels) {
    if (IndexOf(label) == index) labelGame_.PointerMoved(label, x);
  }
}

void TForm9::Label3MouseMove() {
  page::SetAboutLabelColour(kLabel3Index, about::kLinkHoverColour);
}

void TForm9::FormMouseMove() {
  if (showing_) page::SetAboutLabelColour(kLabel3Index, about::kLabel3.colour);
}

void TForm9::Label3Click() {
  // The desktop says nothing when no browser starts; a page that the browser refuses a new tab
  // tells the player why nothing opened.
  const std::string address(about::kLabel3.control.text);
  if (showing_ && !page::OpenInNewTab(address)) {
    form1_.ShowError(ErrorDialogText(CannotOpenAddressMessage(address)), false);
  }
}

int32_t TForm9::MoveLabel(PlayingLabel label, int32_t left) {
  return page::SetAboutLabel(IndexOf(label), left, labelGame_.Caption(label));
}

int32_t TForm9::ShowSecondStage(PlayingLabel label) {
  const int32_t width =
      page::SetAboutLabel(IndexOf(label), about::kSecondStage.left, labelGame_.Caption(label));
  page::SetAboutLabelColour(IndexOf(label), about::kSecondStage.colour);
  return width;
}

void TForm9::EndTheProgram() {
  session_.EndByLabelGame([this](std::function<void()> dismissed) {
    const std::string angry(about::kEndingMessage);
    form1_.ShowMessageBox(angry, angry, [this, dismissed = std::move(dismissed)] {
      EndShowing();
      dismissed();
    });
  });
}

}  // namespace zaptrail
