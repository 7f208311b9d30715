#pragma once

#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <utility>

namespace zaptrail {

// The default error dialog's caption: the executable's file name without everything from its
// first full stop on, first letter upper case, the rest lower case.
std::string ApplicationTitle(std::string_view executableFileName);

// Runs one handler; an error it raises ends it and `showError` gets the dialog's text, the
// message followed by a full stop. Returns false when that happened.
template <typename Handler, typename ShowError>
bool RunHandler(Handler&& handler, ShowError&& showError) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const std::bad_alloc&) {
    showError(std::string("Out of memory."));
  } catch (const std::exception& error) {
    showError(std::string(error.what()) + ".");
  }
  return false;
}

}  // namespace zaptrail
