// The Win32 settings dialog, opened from the main window's menu command as the player opens it,
// driven from inside its modal loop.
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "files/wide_text.hpp"
#include "session/window_descriptions.hpp"
#include "win32/tform1.hpp"
#include "win32/tform3.hpp"
#include "win32/tform9.hpp"

namespace zaptrail {
namespace {

std::string TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

// The dialog's controls, found by their class and caption.
struct Controls {
  explicit Controls(HWND dialog)
      : Edit1(FindWindowExW(dialog, nullptr, L"Edit", nullptr)),
        UpDown1(FindWindowExW(dialog, nullptr, UPDOWN_CLASSW, nullptr)),
        Button1(FindWindowExW(dialog, nullptr, L"Button", L"OK")) {}

  void Type(const std::string& text) const { SetWindowTextW(Edit1, Wide(text).c_str()); }
  void Key(WPARAM key) const {
    SendMessageW(Edit1, WM_KEYDOWN, key, 1);
    SendMessageW(Edit1, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
  }
  // A click on the upper arrow.
  void ClickUp() const {
    SendMessageW(UpDown1, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 2));
    SendMessageW(UpDown1, WM_LBUTTONUP, 0, MAKELPARAM(5, 2));
  }
  void Ok() const { SendMessageW(Button1, BM_CLICK, 0, 0); }

  HWND Edit1;
  HWND UpDown1;
  HWND Button1;
};

class SettingsDialogTest : public ::testing::Test {
 protected:
  SettingsDialogTest()
      : form1_(GetModuleHandleW(nullptr)),
        form3_(GetModuleHandleW(nullptr), form1_.Window()),
        form9_(GetModuleHandleW(nullptr), form1_.Window(), form1_.GameSession().LabelGameRandom()) {
    form1_.AttachWindows(nullptr, &form3_, &form9_);
  }

  // Opens the dialog with the menu's command and lets `use` work in it once it shows; `use` must
  // close it. Returns the text of the error box that followed, if any, which is closed with OK.
  std::string OpenSettings(std::function<void(const Controls&)> use) {
    use_ = std::move(use);
    error_.clear();
    const UINT_PTR watch = SetTimer(nullptr, 0, 10, &Watch);
    SendMessageW(form1_.Window(), WM_COMMAND, static_cast<WPARAM>(MenuCommand::Property1), 0);
    KillTimer(nullptr, watch);
    return error_;
  }

  static void CALLBACK Watch(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = current_->form3_.Window();
    if (current_->use_ && IsWindowVisible(dialog)) {
      const auto use = std::move(current_->use_);
      current_->use_ = nullptr;
      use(Controls(dialog));
      return;
    }
    // The error dialog: any other dialog box of this thread that is showing.
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
          wchar_t name[16] = {};
          GetClassNameW(window, name, 16);
          if (window == current_->form3_.Window() || std::wstring(name) != L"#32770" ||
              !IsWindowVisible(window)) {
            return TRUE;
          }
          current_->error_ = TextOf(GetDlgItem(window, 0xFFFF));
          SendMessageW(window, WM_COMMAND, IDOK, 0);
          return FALSE;
        },
        0);
  }

  void SetUp() override { current_ = this; }

  TForm1 form1_;
  TForm3 form3_;
  TForm9 form9_;
  std::function<void(const Controls&)> use_;
  std::string error_;
  static inline SettingsDialogTest* current_ = nullptr;
};

TEST_F(SettingsDialogTest, UpAndDownStepTheTextShownHexadecimalIncluded) {
  struct Step {
    const char* typed;
    bool up;
    const char* shown;
  };
  const Step steps[] = {
      {"0", true, "16"},         // from the text, not from the 32 the arrows last wrote
      {"$40", true, "80"},       // hexadecimal steps too, shown in decimal
      {"0x20", false, "16"},     // and stops at the lower limit
      {"29990", true, "30000"},  // and at the upper one
  };
  std::vector<std::string> shown;
  OpenSettings([&](const Controls& controls) {
    for (const Step& step : steps) {
      controls.Type(step.typed);
      controls.Key(step.up ? VK_UP : VK_DOWN);
      shown.push_back(TextOf(controls.Edit1));
    }
    // The arrows step from the text too.
    controls.Type("5");
    controls.ClickUp();
    shown.push_back(TextOf(controls.Edit1));
    controls.Type("32");
    controls.Ok();
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"16", "80", "16", "30000", "21"}));
}

TEST_F(SettingsDialogTest, OkAppliesTheTypedPeriodOrShowsWhyNot) {
  const auto apply = [&](const std::string& text) {
    return OpenSettings([&](const Controls& controls) {
      controls.Type(text);
      controls.Ok();
    });
  };
  EXPECT_EQ(apply("$40"), "");
  EXPECT_EQ(form1_.TickPeriod(), 64);
  EXPECT_EQ(apply("0x30"), "");
  EXPECT_EQ(form1_.TickPeriod(), 48);
  EXPECT_EQ(apply(" 100"), "");
  EXPECT_EQ(form1_.TickPeriod(), 100);
  for (const std::string refused : {"abc", "-16", "1.5"}) {
    EXPECT_EQ(apply(refused), "'" + refused + "' は整数ではありません.");
    EXPECT_EQ(form1_.TickPeriod(), 100);
    EXPECT_EQ(form3_.PeriodText(), refused);  // stays in the box
    EXPECT_EQ(form1_.GameState().record.Phase, PhaseTitle);
  }
}

// What the about box asked to redraw after the mouse moved its first label.
struct AboutBoxRedraw {
  bool label = false;
  bool button = true;
};
AboutBoxRedraw aboutBoxRedraw;

void CALLBACK MoveTheFirstLabel(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = FindWindowW(nullptr, Wide(kAboutCaption).c_str());
  if (box == nullptr || !IsWindowVisible(box)) return;
  UpdateWindow(box);
  const ControlPlace& place = about::kLabel1.control.place;
  SendMessageW(box, WM_MOUSEMOVE, 0, MAKELPARAM(place.left + 2, place.top + 2));
  HRGN update = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(box, update, FALSE);
  RECT button{};
  GetWindowRect(FindWindowExW(box, nullptr, L"Button", L"OK"), &button);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&button), 2);
  const RECT label{place.left, place.top, place.left + 2, place.top + 2};
  aboutBoxRedraw = {RectInRegion(update, &label) != 0, RectInRegion(update, &button) != 0};
  DeleteObject(update);
  SendMessageW(box, WM_COMMAND, IDOK, 0);
}

// A label the mouse moves redraws its old and new place, never the whole box: its OK button
// would flicker away at every move.
TEST_F(SettingsDialogTest, TheAboutBoxRedrawsOnlyTheLabelThatMoved) {
  const UINT_PTR watch = SetTimer(nullptr, 0, 10, &MoveTheFirstLabel);
  SendMessageW(form1_.Window(), WM_COMMAND, static_cast<WPARAM>(MenuCommand::K1), 0);
  KillTimer(nullptr, watch);
  EXPECT_TRUE(aboutBoxRedraw.label);
  EXPECT_FALSE(aboutBoxRedraw.button);
}

}  // namespace
}  // namespace zaptrail

int main(int argc, char** argv) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
