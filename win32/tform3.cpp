#include "win32/tform3.hpp"

#include <commctrl.h>

#include "win32/dialog_window.hpp"
#include "win32/wide_text.hpp"
#include "win32/window_class.hpp"

namespace zaptrail {
namespace {

// Not IDOK and IDCANCEL: neither button is the default or the cancel one, so Enter in the text
// box and Escape reach no button.
constexpr int32_t kButton1 = 201;
constexpr int32_t kButton2 = 202;
constexpr int32_t kEdit1 = 203;
constexpr int32_t kUpDown1 = 204;
constexpr int32_t kCheckBox1 = 205;

constexpr int32_t kClientWidth = 201;
constexpr int32_t kClientHeight = 86;
constexpr int32_t kPeriodStep = 16;
constexpr int32_t kLowestPeriod = 16;
constexpr int32_t kHighestPeriod = 30000;
constexpr int32_t kDesignPosition = 32;

}  // namespace

TForm3::TForm3(HINSTANCE instance, HWND owner) {
  font_ = CreateDialogFont();
  window_ = CreateEmptyDialog(instance, owner, "ﾌﾟﾛﾊﾟﾃｨ", kClientWidth, kClientHeight, &Procedure,
                              reinterpret_cast<LPARAM>(this));
  showing_ = ModalShowing(window_);
  // Created in tab order: the text box, its arrows, the check box, OK, Cancel.
  AddLabel(window_, "ｳｪｲﾄ", {8, 8, 27, 12}, font_);
  Edit1 = AddControl(window_, L"EDIT", "32", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                     {39, 4, 66, 20}, kEdit1, font_);
  AddLabel(window_, "ﾐﾘｾｺﾝﾄﾞ", {128, 8, 41, 12}, font_);
  UpDown1 =
      AddControl(window_, UPDOWN_CLASSW, "", UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
                 {105, 4, 15, 20}, kUpDown1, font_);
  SendMessageW(UpDown1, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Edit1), 0);
  SendMessageW(UpDown1, UDM_SETRANGE32, kLowestPeriod, kHighestPeriod);
  UDACCEL step{0, kPeriodStep};
  SendMessageW(UpDown1, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
  SendMessageW(UpDown1, UDM_SETPOS32, 0, kDesignPosition);
  CheckBox1 = AddControl(window_, L"BUTTON", "ｻｳﾝﾄﾞ出力", WS_TABSTOP | BS_AUTOCHECKBOX,
                         {16, 32, 97, 17}, kCheckBox1, font_);
  SendMessageW(CheckBox1, BM_SETCHECK, BST_CHECKED, 0);
  AddControl(window_, L"BUTTON", "OK", WS_TABSTOP | BS_PUSHBUTTON, {56, 56, 65, 25}, kButton1,
             font_);
  AddControl(window_, L"BUTTON", "ｷｬﾝｾﾙ", WS_TABSTOP | BS_PUSHBUTTON, {128, 56, 65, 25}, kButton2,
             font_);
}

TForm3::~TForm3() {
  DestroyWindow(window_);
  DeleteObject(font_);
}

DialogResult TForm3::ShowModal(HWND owner) {
  // Centred at every showing, wherever the main window stands.
  CentreOnScreen(window_);
  SetFocus(Edit1);
  return showing_.Show(owner) == static_cast<int>(DialogResult::Ok) ? DialogResult::Ok
                                                                    : DialogResult::Cancel;
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

bool TForm3::Command(WORD id) {
  switch (id) {
    case kButton1:
      showing_.End(DialogResult::Ok);
      return true;
    case kButton2:
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
    case WM_CLOSE:
      // The close box: like Cancel.
      self->showing_.End(DialogResult::Cancel);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace zaptrail
