#pragma once

#include <string>
#include <utility>

#include "game/run_handler.hpp"

namespace zaptrail {

// The default error dialog: a modal message box with the error icon, the application's title as
// caption and the text (the message with its full stop).
void ShowErrorDialog(const std::string& text);

// Runs one handler; an error it raises ends it and is shown in the default error dialog.
// Returns false when that happened.
template <typename Handler>
bool RunHandler(Handler&& handler) {
  return RunHandler(std::forward<Handler>(handler), ShowErrorDialog);
}

}  // namespace zaptrail
