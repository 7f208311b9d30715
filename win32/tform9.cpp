#include "win32/tform9.hpp"

#include <windowsx.h>

#include "files/wide_text.hpp"
#include "session/session.hpp"
#include "session/window_descriptions.hpp"
#include "win32/centre_on_screen.hpp"
#include "win32/desktop_open.hpp"
#include "win32/dialog_window.hpp"
#include "win32/error_dialog.hpp"
#include "win32/window_class.hpp"

namespace zaptrail {
namespace {

constexpr int32_t kButton1Id = 301;

COLORREF ColourRef(const Colour& colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

RECT Area(const auto& label) {
  return {label.left, label.top, label.left + label.width, label.top + label.height};
}

bool Inside(const auto& label, POINT at) {
  return at.x >= label.left && at.x < label.left + label.width && at.y >= label.top &&
         at.y < label.top + label.height;
}

}  // namespace

TForm9::TForm9(HINSTANCE instance, HWND owner, RandomSource& random) : labelGame_(random, *this) {
  dialogFont_ = CreateDialogFont();
  titleFont_ = CreateDialogFont(true, false);
  linkFont_ = CreateDialogFont(false, true);
  hand_ = LoadCursorW(instance, L"HAND1");
  window_ = CreateEmptyDialog(instance, owner, kAboutCaption, about::kClient, &Procedure,
                              reinterpret_cast<LPARAM>(this));
  showing_ = ModalShowing(window_);
  Label1 = LabelFrom(about::kLabel1);
  Label2 = LabelFrom(about::kLabel2);
  Label3 = LabelFrom(about::kLabel3);
  Label4 = LabelFrom(about::kLabel4);
  AddControl(window_, L"BUTTON", about::kButton1, WS_TABSTOP | BS_PUSHBUTTON, kButton1Id,
             dialogFont_);
  // A label that passes over the button redraws around it, not over it.
  SetWindowLongPtrW(window_, GWL_STYLE, GetWindowLongPtrW(window_, GWL_STYLE) | WS_CLIPCHILDREN);
}

TForm9::Label TForm9::LabelFrom(const about::LabelDescription& description) {
  const HFONT fonts[] = {dialogFont_, titleFont_, linkFont_};
  Label label{std::string(description.control.text),
              description.control.place.left,
              description.control.place.top,
              0,
              0,
              description.ownColour ? ColourRef(description.colour) : GetSysColor(COLOR_WINDOWTEXT),
              fonts[static_cast<size_t>(description.font)]};
  Resize(label);
  return label;
}

TForm9::~TForm9() {
  DestroyWindow(window_);
  for (HFONT font : {dialogFont_, titleFont_, linkFont_}) DeleteObject(font);
}

DialogResult TForm9::ShowModal(HWND owner) {
  CentreOnScreen(window_);
  FormShow();
  return showing_.Show(owner);
}

void TForm9::FormShow() {
  labelGame_.Reset();
}

TForm9::Label& TForm9::Shown(PlayingLabel label) {
  return PlayingLabelOf(label, Label1, Label2, Label4);
}

// Only the label's own area is redrawn, so the rest of the box, its button above all, is never
// erased and drawn again while the labels move.
void TForm9::Repaint(const Label& label) {
  const RECT area = Area(label);
  InvalidateRect(window_, &area, TRUE);
}

// Labels size themselves to their text.
void TForm9::Resize(Label& label) {
  const SIZE size = TextSize(window_, label.font, label.caption);
  label.width = size.cx;
  label.height = size.cy;
}

void TForm9::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  SetBkMode(dc, TRANSPARENT);
  for (const Label* label : {&Label1, &Label2, &Label3, &Label4}) {
    HGDIOBJ previous = SelectObject(dc, label->font);
    SetTextColor(dc, label->colour);
    const std::wstring text = Wide(label->caption);
    TextOutW(dc, label->left, label->top, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc, previous);
  }
  EndPaint(window_, &paint);
}

std::optional<PlayingLabel> TForm9::LabelAt(POINT at) {
  for (PlayingLabel label : kPlayingLabels) {
    if (Inside(Shown(label), at)) return label;
  }
  return std::nullopt;
}

bool TForm9::OverLink(POINT at) {
  return Inside(Label3, at);
}

void TForm9::MouseMove(POINT at) {
  const std::optional<PlayingLabel> label = LabelAt(at);
  if (label && !OverLink(at)) {
    labelGame_.PointerMoved(*label, at.x - Shown(*label).left);
    return;
  }
  const COLORREF colour = ColourRef(OverLink(at) ? about::kLinkHoverColour : about::kLabel3.colour);
  if (colour == Label3.colour) return;
  Label3.colour = colour;
  Repaint(Label3);
}

int32_t TForm9::MoveLabel(PlayingLabel label, int32_t left) {
  Label& shown = Shown(label);
  Repaint(shown);
  shown.left = left;
  Repaint(shown);
  return shown.width;
}

int32_t TForm9::ShowSecondStage(PlayingLabel label) {
  Label& shown = Shown(label);
  Repaint(shown);
  shown.left = about::kSecondStage.left;
  shown.caption = std::string(labelGame_.Caption(label));
  shown.colour = ColourRef(about::kSecondStage.colour);
  Resize(shown);
  Repaint(shown);
  return shown.width;
}

void TForm9::EndTheProgram() {
  session_->EndByLabelGame([this](const std::function<void()>& dismissed) {
    const std::wstring angry = Wide(about::kEndingMessage);
    MessageBoxW(window_, angry.c_str(), angry.c_str(), MB_OK);
    dismissed();
    showing_.End(DialogResult::Cancel);
  });
}

void TForm9::Label3Click() {
  RunHandler(window_, [&] { OpenWebAddress(window_, Label3.caption); });
}

INT_PTR CALLBACK TForm9::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = DialogOwner<TForm9>(window, message, lParam);
  if (self == nullptr || message == WM_INITDIALOG) return FALSE;
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_PAINT:
      self->Paint();
      return TRUE;
    case WM_MOUSEMOVE:
      self->MouseMove(at);
      return TRUE;
    case WM_LBUTTONUP:
      if (self->OverLink(at)) self->Label3Click();
      return TRUE;
    case WM_SETCURSOR: {
      POINT pointer;
      GetCursorPos(&pointer);
      ScreenToClient(window, &pointer);
      if (LOWORD(lParam) != HTCLIENT || !self->OverLink(pointer)) return FALSE;
      SetCursor(self->hand_);
      SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
    }
    case WM_COMMAND:
      // OK clicked, or Enter, which only OK can take; Escape ends the box like its close box.
      if (LOWORD(wParam) == kButton1Id || LOWORD(wParam) == IDOK) {
        self->showing_.End(DialogResult::Ok);
      } else if (LOWORD(wParam) == IDCANCEL) {
        self->showing_.End(DialogResult::Cancel);
      }
      return TRUE;
    case WM_CLOSE:
      self->showing_.End(DialogResult::Cancel);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace zaptrail
