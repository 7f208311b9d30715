#include "win32/tform1.hpp"

#include "files/wide_text.hpp"
#include "session/connect_windows.hpp"
#include "session/window_descriptions.hpp"
#include "view/sprite_sheet.hpp"
#include "win32/desktop_open.hpp"
#include "win32/dialog_window.hpp"
#include "win32/error_dialog.hpp"
#include "win32/main_menu.hpp"
#include "win32/tform2.hpp"
#include "win32/tform3.hpp"
#include "win32/tform9.hpp"
#include "win32/window_class.hpp"

namespace zaptrail {
namespace {

constexpr wchar_t kClassName[] = L"TForm1";
// A fixed single-line frame with a system menu and a minimise box, no maximise box.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR kTimer1 = 1;

}  // namespace

TForm1::TForm1(HINSTANCE instance, const SessionOptions& options)
    : platform_(*this),
      session_(platform_, SpriteSheet(), *this),
      Image1(GameState().playField),
      instance_(instance) {
  RegisterWindowClass(instance, kClassName, &Procedure);
  accelerators_ = CreateMainShortcuts();
  window_ =
      CreateWindowExW(0, kClassName, Wide(kMainWindowCaption).c_str(), kStyle, kMainWindowStartLeft,
                      kMainWindowStartTop, 0, 0, nullptr, CreateMainMenu(), instance, this);
  created_ = RunHandler(nullptr, [&] { session_.Start(options); });
  if (session_.Watching()) SetWindowTextW(window_, Wide(kWatchingCaption).c_str());
  PlayFieldResized();
}

TForm1::~TForm1() {
  if (window_ != nullptr) DestroyWindow(window_);
  DestroyAcceleratorTable(accelerators_);
}

void TForm1::AttachWindows(TForm2* form2, TForm3* form3, TForm9* form9) {
  form3_ = form3;
  form9_ = form9;
  ConnectWindows(platform_, session_, form2, form3, form9);
}

int TForm1::RunMessageLoop() {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(window_, accelerators_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

void TForm1::RepaintPlayField() {
  // Shown before the tick goes on, as the game expects of a repaint.
  if (!Image1.Refresh()) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

void TForm1::PlayFieldResized() {
  if (window_ == nullptr) return;
  Image1.Refresh();
  const SIZE frame =
      FrameSizeFor(window_, GameState().playField.Width(), GameState().playField.Height());
  SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
}

void TForm1::Timer1Timer() {
  RunHandler(window_, [&] { session_.Tick(); });
}

void TForm1::Reset1Click() {
  RunHandler(window_, [&] { session_.NewGame(); });
}

void TForm1::Property1Click() {
  RunHandler(window_, [&] {
    session_.DialogOpens();
    const DialogResult result = form3_->ShowModal(window_);
    session_.SettingsEnd(result, form3_->PeriodText());
  });
}

void TForm1::K1Click() {
  session_.DialogOpens();
  form9_->ShowModal(window_);
  session_.AboutBoxEnds();
}

void TForm1::Quit1Click() {
  SendMessageW(window_, WM_CLOSE, 0, 0);
}

void TForm1::SearchforHelpOn1Click() {
  // The help opens in the desktop's browser beside the game, which goes on meanwhile.
  RunHandler(window_, [&] { OpenHelpPage(window_, session_.HelpPage()); });
}

void TForm1::Stop() {
  KillTimer(window_, kTimer1);
}

bool TForm1::Start(int32_t periodMs) {
  return SetTimer(window_, kTimer1, static_cast<UINT>(periodMs), nullptr) != 0;
}

void TForm1::EndProgram(int status) {
  // Ends every message loop, a dialog's included, once the current handler returns.
  PostQuitMessage(status);
}

void TForm1::AskQuitWithoutSaving(const std::string& message, std::function<void(bool)> answer) {
  answer(zaptrail::AskQuitWithoutSaving(window_, message));
}

void TForm1::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  Image1.Paint(dc);
  EndPaint(window_, &paint);
}

LRESULT TForm1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimer1) Timer1Timer();
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the play field covers the whole client area
    case WM_COMMAND:
      // Only the menu and its shortcuts send commands to the main window.
      RunMenuCommand(*this, static_cast<MenuCommand>(LOWORD(wParam)));
      return 0;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      platform_.SetMenuOpen(message == WM_ENTERMENULOOP);
      return 0;
    case WM_CLOSE:
      // The close box, the system menu and Quit save like Escape; a failed save keeps the game
      // unless the player chooses to quit all the same.
      RunHandler(window_, [&] { session_.CloseByPlayer(); });
      return 0;
    case WM_QUERYENDSESSION:
      // Logging off or shutting down is never held up: the save waits for WM_ENDSESSION.
      return TRUE;
    case WM_ENDSESSION:
      // Nobody may be there to answer, so no dialog: the save falls back to the other folder
      // and a failure is only reported. Windows may end the process once this returns.
      if (wParam != FALSE) session_.CloseUnattended();
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT CALLBACK TForm1::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = WindowOwner<TForm1>(window, message, lParam);
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  // Known from the first message on, before CreateWindowExW returns.
  self->window_ = window;
  return self->Handle(message, wParam, lParam);
}

}  // namespace zaptrail
