#include "session/window_descriptions.hpp"

#include <algorithm>
#include <cctype>
#include <optional>

#include "game/integer_text.hpp"

namespace zaptrail {

std::string_view ShortcutText(Shortcut shortcut) {
  switch (shortcut) {
    case Shortcut::F1:
      return "F1";
    case Shortcut::F2:
      return "F2";
    case Shortcut::AltEnter:
      return "Alt+Enter";
    case Shortcut::None:
      break;
  }
  return {};
}

std::optional<MenuCommand> CommandOfShortcut(Shortcut shortcut) {
  if (shortcut == Shortcut::None) return std::nullopt;
  for (const Menu& menu : kMainMenu) {
    for (const MenuItem& item : menu.items) {
      if (item.shortcut == shortcut) return item.command;
    }
  }
  return std::nullopt;
}

std::string StepUpDown(UpDownRange& range, std::string_view shown, int32_t direction) {
  // Steps from the number shown, also one typed by hand in hexadecimal; a text that is no number
  // steps from the last position.
  if (const std::optional<int32_t> typed = ParseInteger(shown)) range.position = *typed;
  const int64_t next = int64_t{range.position} + int64_t{direction} * range.increment;
  range.position = static_cast<int32_t>(std::clamp<int64_t>(next, range.minimum, range.maximum));
  return std::to_string(range.position);
}

std::string ApplicationTitle(std::string_view executableFileName) {
  std::string title(executableFileName.substr(0, executableFileName.find('.')));
  for (size_t at = 0; at < title.size(); ++at) {
    const auto letter = static_cast<unsigned char>(title[at]);
    title[at] = static_cast<char>(at == 0 ? std::toupper(letter) : std::tolower(letter));
  }
  return title;
}

std::string ErrorDialogText(std::string_view message) {
  return std::string(message) + ".";
}

}  // namespace zaptrail
