#pragma once

#include <cstdint>

namespace zaptrail {

// What a modal dialog ends with: OK, or Cancel for every other way of closing it.
enum class DialogResult : int8_t { Ok = 1, Cancel = 2 };

// A modal showing's result code as a dialog result: anything but OK is Cancel.
inline DialogResult DialogResultOf(int code) {
  return code == static_cast<int>(DialogResult::Ok) ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace zaptrail
