#include "win32/tform3.hpp"

#include <commctrl.h>

#include "files/wide_text.hpp"
#include "session/window_descriptions.hpp"
#include "win32/centre_on_screen.hpp"
#include "win32/dialog_window.hpp"
#include "win32/window_class.hpp"

namespace zaptrail {
namespace {

// Not IDOK and IDCANCEL: neither button is the default or the cancel one, so Enter in the text
// box and Escape reach no button.
constexpr int32_t kButton1Id = 201;
constexpr int32_t kButton2Id = 202;
constexpr int32_t kEdit1Id = 203;
constexpr int32_t kUpDown1Id = 204;
constexpr int32_t kCheckBox1Id = 205;

}  // namespace

TForm3::TForm3(HINSTANCE instance, HWND owner) {
  using namespace settings;
  font_ = CreateDialogFont();
  window_ = CreateEmptyDialog(instance, owner, kSettingsCaption, kClient, &Procedure,
                              reinterpret_cast<LPARAM>(this));
  showing_ = ModalShowing(window_);
  // Created in tab order: the text box, its arrows, the check box, OK, Cancel.
  AddLabel(window_, kLabel1, font_);
  Edit1 = AddControl(window_, L"EDIT", kEdit1, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, kEdit1Id,
                     font_);
  AddLabel(window_, kLabel2, font_);
  // The arrows only ask for a step (UDN_DELTAPOS); the dialog steps the text itself, as typed.
  UpDown1 = AddControl(window_, UPDOWN_CLASSW, kUpDown1, UDS_ARROWKEYS, kUpDown1Id, font_);
  SendMessageW(UpDown1, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Edit1), 0);
  SendMessageW(UpDown1, UDM_SETRANGE32, range_.minimum, range_.maximum);
  SendMessageW(UpDown1, UDM_SETPOS32, 0, range_.position);
  CheckBox1 =
      AddControl(window_, L"BUTTON", kCheckBox1, WS_TABSTOP | BS_AUTOCHECKBOX, kCheckBox1Id, font_);
  SendMessageW(CheckBox1, BM_SETCHECK, kSoundOnAtStart ? BST_CHECKED : BST_UNCHECKED, 0);
  AddControl(window_, L"BUTTON", kButton1, WS_TABSTOP | BS_PUSHBUTTON, kButton1Id, font_);
  AddControl(window_, L"BUTTON", kButton2, WS_TABSTOP | BS_PUSHBUTTON, kButton2Id, font_);
}

TForm3::~TForm3() {
  DestroyWindow(window_);
  DeleteObject(font_);
}

DialogResult TForm3::ShowModal(HWND owner) {
  // Centred at every showing, wherever the main window stands.
  CentreOnScreen(window_);
  SetFocus(Edit1);
  return showing_.Show(owner);
}

std::string TForm3::PeriodText() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Edit1)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(Edit1, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

bool TForm3::SoundOutputOn() const {
  return SendMessageW(CheckBox1, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TForm3::Step(int32_t direction) {
  SetWindowTextW(Edit1, Wide(StepUpDown(range_, PeriodText(), direction)).c_str());
}

bool TForm3::Command(WORD id) {
  switch (id) {
    case kButton1Id:
      showing_.End(DialogResult::Ok);
      return true;
    case kButton2Id:
      showing_.End(DialogResult::Cancel);
      return true;
    case IDOK:
    case IDCANCEL:
      // Enter or Escape away from the buttons: nothing, as neither is the default.
      return true;
    default:
      return false;
  }
}

INT_PTR CALLBACK TForm3::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = DialogOwner<TForm3>(window, message, lParam);
  if (self == nullptr || message == WM_INITDIALOG) return FALSE;
  switch (message) {
    case WM_COMMAND:
      return self->Command(LOWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      const auto* change = reinterpret_cast<const NMUPDOWN*>(lParam);
      if (change->hdr.idFrom != kUpDown1Id || change->hdr.code != UDN_DELTAPOS) return FALSE;
      self->Step(change->iDelta > 0 ? 1 : -1);
      // Refused to the arrows, which would otherwise step a number of their own.
      SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
    }
    case WM_CLOSE:
      // The close box: like Cancel.
      self->showing_.End(DialogResult::Cancel);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace zaptrail
