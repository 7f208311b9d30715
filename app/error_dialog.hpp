#pragma once

#include <QString>
#include <exception>
#include <utility>

class QWidget;

namespace zaptrail {

// The caption of the error dialog: the executable's name without directory and without
// everything from its first full stop on, first letter upper case, the rest lower case.
QString ApplicationTitle(const QString& executablePath);

// The default error dialog: a modal critical message box with the message and a full stop.
void ShowErrorDialog(const QString& message);

// The records could not be saved on a close the player asked for: the default error dialog's
// message with a second button to quit all the same. True when the player chose to quit;
// OK, Escape and the close box keep the window open.
bool AskQuitWithoutSaving(const QString& message);

// Runs one handler; an error it raises ends it and is shown in the default error dialog.
// Returns false when that happened.
template <typename Handler>
bool RunHandler(Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const std::bad_alloc&) {
    ShowErrorDialog(QStringLiteral("Out of memory"));
  } catch (const std::exception& error) {
    ShowErrorDialog(QString::fromUtf8(error.what()));
  }
  return false;
}

}  // namespace zaptrail
