#include "win32/tform1.hpp"

#include <ctime>

#include "game/close_and_save.hpp"
#include "game/errors.hpp"
#include "game/file_system.hpp"
#include "game/halted_dialog.hpp"
#include "game/tick.hpp"
#include "game/window_places.hpp"
#include "view/sprite_sheet.hpp"
#include "win32/desktop_open.hpp"
#include "win32/dialog_window.hpp"
#include "win32/error_dialog.hpp"
#include "win32/resource_ids.hpp"
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

TForm1::TForm1(HINSTANCE instance)
    : platform_(*this),
      game_(platform_, SpriteSheet()),
      Image1(game_.playField),
      instance_(instance) {
  RegisterWindowClass(instance, kClassName, &Procedure);
  accelerators_ = LoadAcceleratorsW(instance, L"MAINMENU1");
  window_ = CreateWindowExW(0, kClassName, L"zap trail", kStyle, kMainWindowStartLeft,
                            kMainWindowStartTop, 0, 0, nullptr, LoadMenuW(instance, L"MAINMENU1"),
                            instance, this);
  created_ = RunHandlerOf(nullptr, [&] { FormCreate(); });
  PlayFieldResized();
}

TForm1::~TForm1() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void TForm1::AttachWindows(TForm2* form2, TForm3* form3, TForm9* form9) {
  form2_ = form2;
  form3_ = form3;
  form9_ = form9;
  platform_.AttachCompass(form2);
  platform_.AttachSettings(form3);
}

void TForm1::FormCreate() {
  game_.appDir = files::ExecutableFolder();
  if (game_.appDir.empty()) throw GameError("cannot find the folder of the running program");
  game_.recordsPlace = ChooseRecordsPlace(game_.appDir, files::UserDataFolder());
  SetUpGame(game_, static_cast<uint32_t>(std::time(nullptr)), game_.recordsPlace);
  if (!Start(kDesignPeriod)) throw GameError("ﾀｲﾏｰを取得できません");
}

bool TForm1::FormClose() {
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, game_.recordsPlace, CloseAsker::Player);
  return save.next == AfterSave::Close || AskQuitWithoutSaving(window_, save.error);
}

void TForm1::RunMessageLoop() {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(window_, accelerators_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
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
  const SIZE frame = FrameSizeFor(window_, game_.playField.Width(), game_.playField.Height());
  SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
}

void TForm1::Timer1Timer() {
  RunHandlerOf(window_, [&] {
    try {
      zaptrail::Timer1Timer(game_);
    } catch (const RecordsNotSaved& error) {
      if (AskQuitWithoutSaving(window_, error.what())) FinishClosing();
    }
  });
}

void TForm1::Reset1Click() {
  RunHandlerOf(window_, [&] { NewGame(game_); });
}

void TForm1::Property1Click() {
  RunHandlerOf(window_, [&] {
    if (ShowHalted(game_.record, [&] { return static_cast<int>(form3_->ShowModal(window_)); }) ==
        DialogResult::Ok) {
      ApplyTimerPeriod(*this, period_, form3_->PeriodText());
    }
  });
}

void TForm1::K1Click() {
  ShowHalted(game_.record, [&] { return static_cast<int>(form9_->ShowModal(window_)); });
}

void TForm1::Quit1Click() {
  SendMessageW(window_, WM_CLOSE, 0, 0);
}

void TForm1::SearchforHelpOn1Click() {
  // The help opens in the desktop's browser beside the game, which goes on meanwhile.
  RunHandlerOf(window_, [&] { OpenHelpPage(window_, game_.appDir + "zaptrail-help.html"); });
}

void TForm1::Stop() {
  KillTimer(window_, kTimer1);
}

bool TForm1::Start(int32_t periodMs) {
  return SetTimer(window_, kTimer1, static_cast<UINT>(periodMs), nullptr) != 0;
}

void TForm1::CloseFromTick() {
  const CloseSave save =
      SaveBeforeClosing(game_.record.BestTimes, game_.recordsPlace, CloseAsker::Player);
  if (save.next != AfterSave::Close) throw RecordsNotSaved(save.error);
  FinishClosing();
}

void TForm1::FinishClosing() {
  closing_ = true;
  Stop();
  // Ends every message loop, a dialog's included, once the current handler returns.
  PostQuitMessage(0);
}

void TForm1::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  Image1.Paint(dc);
  EndPaint(window_, &paint);
}

void TForm1::Command(WORD id) {
  switch (id) {
    case IDM_RESET:
      Reset1Click();
      break;
    case IDM_PROPERTY:
      Property1Click();
      break;
    case IDM_QUIT:
      Quit1Click();
      break;
    case IDM_SEARCH_FOR_HELP_ON:
      SearchforHelpOn1Click();
      break;
    case IDM_K1:
      K1Click();
      break;
    default:
      break;
  }
}

LRESULT TForm1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimer1 && !closing_) Timer1Timer();
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the play field covers the whole client area
    case WM_COMMAND:
      Command(LOWORD(wParam));
      return 0;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      platform_.SetMenuOpen(message == WM_ENTERMENULOOP);
      return 0;
    case WM_CLOSE: {
      // The close box, the system menu and Quit save like Escape; a failed save keeps the game
      // unless the player chooses to quit all the same.
      bool close = closing_;
      if (!close) RunHandlerOf(window_, [&] { close = FormClose(); });
      if (close) FinishClosing();
      return 0;
    }
    case WM_QUERYENDSESSION:
      // Logging off or shutting down: nobody may be there to answer, so the save falls back to
      // the other folder before it gives up, and the session ends either way.
      if (!closing_) {
        RunHandlerOf(window_, [&] {
          SaveBeforeClosing(game_.record.BestTimes, game_.recordsPlace, CloseAsker::Nobody);
        });
      }
      return TRUE;
    case WM_ENDSESSION:
      if (wParam != FALSE) FinishClosing();
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
