#pragma once

#include <cstdint>

namespace zaptrail {

// What a modal dialog ends with: OK, or Cancel for every other way of closing it.
enum class DialogResult : int8_t { Ok = 1, Cancel = 2 };

// The result code a modal showing ends with for a dialog result, and back: anything but OK's
// code is Cancel.
constexpr int ResultCodeOf(DialogResult result) {
  return static_cast<int>(result);
}
constexpr DialogResult DialogResultOf(int code) {
  return code == ResultCodeOf(DialogResult::Ok) ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace zaptrail
