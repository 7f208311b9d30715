#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "session/run_handler.hpp"

namespace zaptrail {

// The default error dialog: a modal message box with the error icon, the application's title as
// caption and the text (the message with its full stop). `owner` is the window whose handler
// raised the error (null before any is shown); it has the focus back once the box is gone.
void ShowErrorDialog(HWND owner, const std::string& text);

// The records could not be saved on a close the player asked for: the default error dialog's
// message with a second button to quit all the same. True when the player chose to quit; OK,
// Escape and the close box keep the window open.
bool AskQuitWithoutSaving(HWND owner, const std::string& message);

// Runs one handler of the `owner` window; an error it raises ends it and is shown in the default
// error dialog. Returns false when that happened.
template <typename Handler>
bool RunHandler(HWND owner, Handler&& handler) {
  return RunHandler(std::forward<Handler>(handler),
                    [owner](const std::string& text) { ShowErrorDialog(owner, text); });
}

}  // namespace zaptrail
