#pragma once

#include <QString>
#include <string>
#include <utility>

#include "session/run_handler.hpp"

namespace zaptrail {

// The caption of the error dialog, from the executable's path.
QString ApplicationTitle(const QString& executablePath);

// The default error dialog: a modal critical message box with the text (message and full stop).
void ShowErrorDialog(const QString& text);

// The records could not be saved on a close the player asked for: the default error dialog's
// message with a second button to quit all the same. True when the player chose to quit;
// OK, Escape and the close box keep the window open.
bool AskQuitWithoutSaving(const QString& message);

// Runs one handler; an error it raises ends it and is shown in the default error dialog.
// Returns false when that happened.
template <typename Handler>
bool RunHandler(Handler&& handler) {
  return RunHandler(std::forward<Handler>(handler),
                    [](const std::string& text) { ShowErrorDialog(QString::fromStdString(text)); });
}

}  // namespace zaptrail
