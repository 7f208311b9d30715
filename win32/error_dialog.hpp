#pragma once

#include <string>
#include <utility>

#include "game/run_handler.hpp"

namespace zaptrail {

// The default error dialog: a modal message box with the error icon, the application's title as
// caption and the text (the message with its full stop).
void ShowErrorDialog(const std::string& text);

// The records could not be saved on a close the player asked for: the default error dialog's
// message with a second button to quit all the same. True when the player chose to quit; OK,
// Escape and the close box keep the window open.
bool AskQuitWithoutSaving(const std::string& message);

// Runs one handler; an error it raises ends it and is shown in the default error dialog.
// Returns false when that happened.
template <typename Handler>
bool RunHandler(Handler&& handler) {
  return RunHandler(std::forward<Handler>(handler), ShowErrorDialog);
}

}  // namespace zaptrail
