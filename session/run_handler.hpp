#pragma once

#include <concepts>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "session/window_descriptions.hpp"

namespace zaptrail {

// Runs one handler; an error it raises ends it and `showError` gets the dialog's text, the
// message followed by a full stop. Returns false when that happened. Each shell's RunHandler
// passes its own error dialog.
template <typename Handler, typename ShowError>
requires std::invocable<ShowError&, const std::string&>
bool RunHandler(Handler&& handler, ShowError&& showError) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const std::bad_alloc&) {
    showError(ErrorDialogText("Out of memory"));
  } catch (const std::exception& error) {
    showError(ErrorDialogText(error.what()));
  }
  return false;
}

}  // namespace zaptrail
