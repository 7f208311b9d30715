#pragma once

#include <QString>
#include <string>
#include <utility>

#include "game/run_handler.hpp"

namespace zaptrail {

// The caption of the error dialog, from the executable's path.
QString ApplicationTitle(const QString& executablePath);

// The default error dialog: a modal critical message box with the text (message and full stop).
void ShowErrorDialog(const QString& text);

// Runs one handler; an error it raises ends it and is shown in the default error dialog.
// Returns false when that happened.
template <typename Handler>
bool RunHandler(Handler&& handler) {
  return RunHandler(std::forward<Handler>(handler),
                    [](const std::string& text) { ShowErrorDialog(QString::fromStdString(text)); });
}

}  // namespace zaptrail
