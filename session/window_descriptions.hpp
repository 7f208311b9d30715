#pragma once

// Every window of the game as each shell must show it: captions, sizes, control places and
// texts, the menu with its access keys and shortcuts, and the few rules the windows follow
// themselves. A shell builds its widgets or controls from these and writes none of them again.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zaptrail {

// A place in a window's client area, in pixels that do not scale with the screen's setting.
struct ControlPlace {
  int32_t left;
  int32_t top;
  int32_t width;
  int32_t height;
};

struct ClientSize {
  int32_t width;
  int32_t height;
};

// A control's name (as tests and the shells call it), its place and its text at start-up.
struct ControlDescription {
  std::string_view name;
  ControlPlace place;
  std::string_view text;
};

struct Colour {
  uint8_t red;
  uint8_t green;
  uint8_t blue;
};

// ---- The dialogs' face, in the Japanese character set and the window text colour: every text
// of the settings dialog and the about box; the about box's own label fonts only add bold or
// an underline.
struct DialogFace {
  std::string_view family;
  int32_t pixels;  // the characters' height, not the line's
};
inline constexpr DialogFace kDialogFace{"ＭＳ Ｐゴシック", 12};

// ---- The four windows' captions.
// The main window: a fixed single-line frame with a system menu and a minimise box, no maximise
// box; its client area is the play field the engine draws (240 x 224), with the menu above.
inline constexpr std::string_view kMainWindowCaption = "zap trail";
// The main window's caption while the run watches a trail, so that a replay is never taken
// for a game.
inline constexpr std::string_view kWatchingCaption = "zap trail - replay";
// The compass: a tool window, thin frame and small caption, no buttons at all, never closed;
// its client area is the compass picture (64 x 64).
inline constexpr std::string_view kCompassCaption = "ｺﾝﾊﾟｽ";
inline constexpr std::string_view kSettingsCaption = "ﾌﾟﾛﾊﾟﾃｨ";
inline constexpr std::string_view kAboutCaption = "ﾊﾞｰｼﾞｮﾝ表示";

// Where the windows first appear: the main window's outer top-left corner...
inline constexpr int32_t kMainWindowStartLeft = 185;
inline constexpr int32_t kMainWindowStartTop = 164;

// ...and the compass against the right edge of the main window's frame, tops aligned.
constexpr int32_t CompassStartLeft(int32_t mainFrameLeft, int32_t mainFrameWidth) {
  return mainFrameLeft + mainFrameWidth;
}
constexpr int32_t CompassStartTop(int32_t mainFrameTop) {
  return mainFrameTop;
}

// A start position along one axis, moved where needed so that the window lies inside the
// screen's available area; a window larger than the area starts at its near edge.
constexpr int32_t InsideArea(int32_t position, int32_t size, int32_t areaStart, int32_t areaSize) {
  const int32_t farthest = areaStart + areaSize - size;
  return position > farthest ? (farthest > areaStart ? farthest : areaStart)
                             : (position < areaStart ? areaStart : position);
}

// ---- The main window's menu. A command's value is also its Win32 command identifier.
enum class MenuCommand : uint16_t {
  Reset1 = 101,
  Property1 = 102,
  Quit1 = 103,
  SearchforHelpOn1 = 104,
  K1 = 105,
};

// The shortcuts work whenever the main window has the input.
enum class Shortcut : uint8_t { None, F1, F2, AltEnter };

// "F2", "Alt+Enter": how a menu shows the shortcut beside the caption; empty for none.
std::string_view ShortcutText(Shortcut shortcut);

struct MenuItem {
  std::string_view name;
  std::string_view caption;  // "&" marks the access key
  MenuCommand command;
  Shortcut shortcut;
};

struct Menu {
  std::string_view name;
  std::string_view caption;
  std::span<const MenuItem> items;
};

inline constexpr MenuItem kFileItems[] = {
    {"Reset1", "&Reset", MenuCommand::Reset1, Shortcut::F2},
    {"Property1", "ﾌﾟﾛﾊﾟﾃｨ(&P)...", MenuCommand::Property1, Shortcut::AltEnter},
    {"Quit1", "&Quit", MenuCommand::Quit1, Shortcut::None},
};
inline constexpr MenuItem kHelpItems[] = {
    {"SearchforHelpOn1", "ﾄﾋﾟｯｸの検索(&H)", MenuCommand::SearchforHelpOn1, Shortcut::F1},
    {"K1", "ﾊﾞｰｼﾞｮﾝ表示(&A)", MenuCommand::K1, Shortcut::None},
};
inline constexpr Menu kMainMenu[] = {
    {"File1", "&File", kFileItems},
    {"Help1", "&Help", kHelpItems},
};

// The command of the menu item that carries the shortcut; none for Shortcut::None.
std::optional<MenuCommand> CommandOfShortcut(Shortcut shortcut);

// Calls the main window's handler of a menu command, which every shell names after the item:
// Reset1Click for Reset1 and so on.
template <typename MainWindow>
void RunMenuCommand(MainWindow& form1, MenuCommand command) {
  switch (command) {
    case MenuCommand::Reset1:
      form1.Reset1Click();
      return;
    case MenuCommand::Property1:
      form1.Property1Click();
      return;
    case MenuCommand::Quit1:
      form1.Quit1Click();
      return;
    case MenuCommand::SearchforHelpOn1:
      form1.SearchforHelpOn1Click();
      return;
    case MenuCommand::K1:
      form1.K1Click();
      return;
  }
}

// The help F1 opens, a file beside the executable.
inline constexpr std::string_view kHelpFileName = "zaptrail-help.html";

// The tick period every run starts with, in milliseconds, which the settings dialog first shows.
inline constexpr int32_t kDesignPeriod = 32;

// A positive number's decimal digits, made while compiling, for a caption that shows a number
// kept elsewhere.
template <int32_t kNumber>
struct DecimalCaption {
  static_assert(kNumber > 0);
  static constexpr size_t kLength = [] {
    size_t length = 0;
    for (int32_t rest = kNumber; rest > 0; rest /= 10) ++length;
    return length;
  }();
  static constexpr std::array<char, kLength> kDigits = [] {
    std::array<char, kLength> digits{};
    int32_t rest = kNumber;
    for (size_t i = kLength; i-- > 0; rest /= 10) digits[i] = static_cast<char>('0' + rest % 10);
    return digits;
  }();
  static constexpr std::string_view kText{kDigits.data(), kLength};
};

// ---- The settings dialog: fixed frame with a close box, centred at every showing. Declared,
// created and tabbed in this order; the labels take no focus, nor do the spin arrows.
namespace settings {

inline constexpr ClientSize kClient{201, 86};
inline constexpr ControlDescription kLabel1{"Label1", {8, 8, 27, 12}, "ｳｪｲﾄ"};
inline constexpr ControlDescription kEdit1{
    "Edit1", {39, 4, 66, 20}, DecimalCaption<kDesignPeriod>::kText};
inline constexpr ControlDescription kLabel2{"Label2", {128, 8, 41, 12}, "ﾐﾘｾｺﾝﾄﾞ"};
inline constexpr ControlDescription kUpDown1{"UpDown1", {105, 4, 15, 20}, ""};
inline constexpr ControlDescription kCheckBox1{"CheckBox1", {16, 32, 97, 17}, "ｻｳﾝﾄﾞ出力"};
// Neither button is the default nor the cancel one: Enter and Escape reach only a focused one.
inline constexpr ControlDescription kButton1{"Button1", {56, 56, 65, 25}, "OK"};
inline constexpr ControlDescription kButton2{"Button2", {128, 56, 65, 25}, "ｷｬﾝｾﾙ"};
inline constexpr bool kSoundOnAtStart = true;

}  // namespace settings

// The spin arrows' limits and step; `position` is the value they last wrote.
struct UpDownRange {
  int32_t minimum;
  int32_t maximum;
  int32_t increment;
  int32_t position;
};
inline constexpr UpDownRange kPeriodRange{16, 30000, 16, kDesignPeriod};

// One click of the spin arrows, or Up (+1) or Down (-1) in the text box: steps the number shown,
// decimal or hexadecimal, or the last position when the text is no number; stops at the limits
// and returns the text to show, plain decimal digits without group separators.
std::string StepUpDown(UpDownRange& range, std::string_view shown, int32_t direction);

// ---- The about box: fixed frame with a close box, centred at every showing. Labels size
// themselves to their text; the sizes here are those of the captions below.
namespace about {

enum class LabelFont : uint8_t { Dialog, Bold, Underlined };
// A label's colour: the window text colour unless it has one of its own.
struct LabelDescription {
  ControlDescription control;
  LabelFont font;
  bool ownColour;
  Colour colour;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kCyan{0, 255, 255};
inline constexpr Colour kRed{255, 0, 0};

inline constexpr ClientSize kClient{212, 157};
inline constexpr LabelDescription kLabel1{
    {"Label1", {8, 8, 55, 12}, "zap trail"}, LabelFont::Bold, true, kBlack};
inline constexpr LabelDescription kLabel2{
    {"Label2", {8, 32, 181, 12}, "(C) 2026 lumlum works inc."}, LabelFont::Dialog, false, {}};
// The link to the support page: blue, cyan while the pointer is over it, the hand pointer.
inline constexpr LabelDescription kLabel3{
    {"Label3", {8, 72, 179, 12}, "https://lumlum.example/zaptrail/"},
    LabelFont::Underlined,
    true,
    kBlue};
inline constexpr Colour kLinkHoverColour = kCyan;
inline constexpr LabelDescription kLabel4{
    {"Label4", {8, 56, 61, 12}, "ｻﾎﾟｰﾄﾍﾟｰｼﾞ"}, LabelFont::Dialog, false, {}};
// The only control that takes the focus; Enter presses it.
inline constexpr ControlDescription kButton1{"Button1", {72, 120, 65, 25}, "OK"};

// The label game. Each showing puts Label1, Label2 and Label4 back at this left.
inline constexpr int32_t kLabelLeft = 8;
// All three pushed out in the first stage: each of them becomes this.
struct StageLabel {
  int32_t left;
  std::string_view caption;
  Colour colour;
};
inline constexpr StageLabel kSecondStage{18, "Get Angry", kRed};
// All three pushed out in the second stage: a box with this text and title and an OK button,
// then the program ends.
inline constexpr std::string_view kEndingMessage = "GET ANGRY";

}  // namespace about

// ---- The default error dialog: a modal box with the error icon and an OK button, captioned
// with the application's title.

// The executable's file name without everything from its first full stop on, first letter
// upper case, the rest lower case.
std::string ApplicationTitle(std::string_view executableFileName);

// The dialog's text: the error's message followed by a full stop.
std::string ErrorDialogText(std::string_view message);

// The second button the box has when the records could not be saved on a close the player
// asked for; OK, Escape and the close box keep the window open.
inline constexpr std::string_view kQuitWithoutSavingCaption = "ｾｰﾌﾞせずに終了(&Q)";

}  // namespace zaptrail
